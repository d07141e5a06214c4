#pragma once
// The page contract of the signed-in web application: two INPUT elements
// through which the page and the client talk.
#include <string>

class WebDocument;

// Reads the value of the document's INPUT element with this id (tag and id
// compared exactly; the last match wins, every match is looked at) and
// writes NewValue into each match whose value differs. No document reads
// "0"; no matching element reads as the empty text.
std::wstring ExchangePageInput(WebDocument* Document, const std::wstring& Id, const std::wstring& NewValue);
