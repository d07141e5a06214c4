#pragma once
// What screen readers learn of a skinned control. A skinned BUTTON paints
// itself, so the system's own accessibility proxy (and Wine's, which knows no
// button roles at all) cannot tell a push button from a check box nor read
// its check state. Skinned controls therefore answer WM_GETOBJECT for their
// client area with an object of their own: the system's standard object for
// everything about place and navigation, and name, role, state, value and
// default action read from the window itself (class, style, BM_GETCHECK,
// ES_PASSWORD).
#include <windows.h>

#include <string>

// The accessible name of a control: its caption with the mnemonic marks
// taken out ("&&" stays one "&"), or the name given for windows whose text is
// no name (an edit's name is the label that goes with it).
std::wstring AccessibleNameFromCaption(std::wstring_view Caption);

// Answers WM_GETOBJECT for a skinned control's window: for OBJID_CLIENT of a
// BUTTON or EDIT window the result of LresultFromObject on a new object;
// false for anything else, which the caller passes on. Name is the name to
// give an edit (empty: none).
bool AnswerGetObject(HWND Window, WPARAM WParam, LPARAM LParam, const std::wstring& EditName, LRESULT& Result);
