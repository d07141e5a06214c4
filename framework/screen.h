#pragma once
// The screen: its size and the active form.
class TForm;

class TScreen {
 public:
  int GetWidth() const;
  int GetHeight() const;
  TForm* GetActiveForm() const { return FActiveForm; }
  void SetActiveForm(TForm* Form) { FActiveForm = Form; }
  // A form is going: it can no longer be the active one.
  void RemoveForm(TForm* Form) {
    if (FActiveForm == Form) FActiveForm = nullptr;
  }

 private:
  TForm* FActiveForm = nullptr;
};

// The program's screen object, made together with the application.
extern TScreen* Screen;
