#pragma once
// The screen: its size, the program's forms and the active one.
#include <vector>

class TForm;

class TScreen {
 public:
  int GetWidth() const;
  int GetHeight() const;
  TForm* GetActiveForm() const { return FActiveForm; }
  void SetActiveForm(TForm* Form) { FActiveForm = Form; }
  void AddForm(TForm* Form) { FForms.push_back(Form); }
  void RemoveForm(TForm* Form);
  int GetFormCount() const { return static_cast<int>(FForms.size()); }

 private:
  TForm* FActiveForm = nullptr;
  std::vector<TForm*> FForms;
};

// The program's screen object, made together with the application.
extern TScreen* Screen;
