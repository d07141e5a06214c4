// ParseHtmlPage: libxml2's HTML parser turns the page into a tree; the body
// is walked for its displayed text and the whole tree for its elements.
#include "browser/page_charset.h"
#include "browser/page_content.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct XmlDocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

const char* Name(const xmlNode* node) { return reinterpret_cast<const char*>(node->name); }

bool NameIs(const xmlNode* node, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(),
                     [&](const char* name) { return std::strcmp(Name(node), name) == 0; });
}

std::string Attribute(const xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (!value) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

bool HasAttribute(const xmlNode* node, const char* name) {
  return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
}

std::string TextContent(const xmlNode* node) {
  xmlChar* content = xmlNodeGetContent(node);
  if (!content) return {};
  std::string text(reinterpret_cast<const char*>(content));
  xmlFree(content);
  return text;
}

// Collects displayed text the way a browser lays it out: white space
// collapses, block boundaries become line breaks, none at either end.
class DisplayedText {
public:
  void Text(const std::string& text, bool preformatted) {
    for (char c : text) {
      bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
      if (blank && !preformatted) {
        pendingSpace_ = true;
      } else if (c == '\n') {
        LineBreak();
      } else if (c != '\r') {
        Put(c);
      }
    }
  }
  // A boundary needing at least `count` line breaks (blocks 1, paragraphs 2).
  void Boundary(int count) {
    pendingBreaks_ = std::max(pendingBreaks_, count);
    pendingSpace_ = false;
  }
  void LineBreak() {
    FlushBreaks();
    out_ += "\r\n";
    noSpaceBefore_ = true;
    pendingSpace_ = false;
  }
  void Separator(char c) {
    FlushBreaks();
    out_ += c;
    noSpaceBefore_ = true;
    pendingSpace_ = false;
  }
  std::string Result() const { return out_; }

private:
  void FlushBreaks() {
    if (pendingBreaks_ > 0 && !out_.empty()) {
      for (int i = 0; i < pendingBreaks_; ++i) out_ += "\r\n";
      noSpaceBefore_ = true;
    }
    pendingBreaks_ = 0;
  }
  void Put(char c) {
    bool hadBreaks = pendingBreaks_ > 0 && !out_.empty();
    FlushBreaks();
    if (pendingSpace_ && !hadBreaks && !noSpaceBefore_ && !out_.empty()) out_ += ' ';
    pendingSpace_ = false;
    noSpaceBefore_ = false;
    out_ += c;
  }

  std::string out_;
  int pendingBreaks_ = 0;
  bool pendingSpace_ = false;
  bool noSpaceBefore_ = true;
};

bool IsHidden(const xmlNode* node) {
  return NameIs(node, {"script", "style", "noscript", "template", "textarea", "select",
                       "iframe", "frame", "frameset", "object", "head", "title"}) ||
         HasAttribute(node, "hidden");
}

int BoundaryOf(const xmlNode* node) {
  if (NameIs(node, {"p"})) return 2;
  if (NameIs(node, {"div", "h1", "h2", "h3", "h4", "h5", "h6", "ul", "ol", "li", "dl",
                    "dt", "dd", "table", "tr", "caption", "form", "blockquote", "pre",
                    "address", "center", "hr", "section", "article", "header", "footer",
                    "nav", "aside", "main", "fieldset", "legend", "figure", "figcaption",
                    "details", "summary", "body", "tbody", "thead", "tfoot"}))
    return 1;
  return 0;
}

bool IsCell(const xmlNode* node) {
  return node->type == XML_ELEMENT_NODE && NameIs(node, {"td", "th"});
}

void CollectText(const xmlNode* node, bool preformatted, DisplayedText& text) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      text.Text(reinterpret_cast<const char*>(child->content ? child->content : BAD_CAST ""),
                preformatted);
      continue;
    }
    if (child->type != XML_ELEMENT_NODE || IsHidden(child)) continue;
    if (NameIs(child, {"br"})) {
      text.LineBreak();
      continue;
    }
    if (IsCell(child)) {
      const xmlNode* before = child->prev;
      while (before && !IsCell(before)) before = before->prev;
      if (before) text.Separator('\t');
    }
    int boundary = BoundaryOf(child);
    if (boundary) text.Boundary(boundary);
    CollectText(child, preformatted || NameIs(child, {"pre", "listing", "plaintext"}), text);
    if (boundary) text.Boundary(boundary);
  }
}

const xmlNode* FindBody(const xmlNode* node) {
  for (; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    if (NameIs(node, {"body"})) return node;
    if (const xmlNode* inner = FindBody(node->children)) return inner;
  }
  return nullptr;
}

std::wstring UpperAscii(std::wstring text) {
  for (wchar_t& c : text)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return text;
}

std::string ElementValue(const xmlNode* node) {
  if (NameIs(node, {"textarea"})) return TextContent(node);
  return Attribute(node, "value");
}

void CollectElements(const xmlNode* node, std::vector<PageElement>& elements) {
  for (; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    elements.push_back({UpperAscii(Utf8ToWide(Name(node))), Utf8ToWide(Attribute(node, "id")),
                        Utf8ToWide(ElementValue(node))});
    CollectElements(node->children, elements);
  }
}

// HTML's parsing rules for NUL, which libxml2 would take for the end of the
// document or of a text: inside markup (tags, attribute values, comments) it
// reads as U+FFFD; in text the tree builder ignores it. Neither stops the page.
std::string WithoutNul(std::string_view html) {
  if (html.find('\0') == std::string_view::npos) return std::string(html);
  enum class Where { Text, Tag, Comment } where = Where::Text;
  char quote = 0;
  std::string out;
  out.reserve(html.size() + 16);
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '\0') {
      if (where != Where::Text) out += "\xEF\xBF\xBD";
      continue;
    }
    out += c;
    switch (where) {
      case Where::Text:
        if (c == '<' && i + 1 < html.size() &&
            (std::isalpha(static_cast<unsigned char>(html[i + 1])) || html[i + 1] == '/' ||
             html[i + 1] == '!' || html[i + 1] == '?'))
          where = html.substr(i + 1, 3) == "!--" ? Where::Comment : Where::Tag;
        break;
      case Where::Tag:
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          where = Where::Text;
        }
        break;
      case Where::Comment:
        if (c == '>' && out.size() >= 3 && out.compare(out.size() - 3, 3, "-->") == 0)
          where = Where::Text;
        break;
    }
  }
  return out;
}

}  // namespace

PageContent ParseHtmlPage(std::string_view utf8Html) {
  PageContent page;
  if (utf8Html.empty()) return PlainTextPage(L"");
  const std::string html = WithoutNul(utf8Html);
  // No size limit of the parser's own: the fetch's limit bounds every page.
  XmlDocPtr doc(htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
                               HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                   HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC | XML_PARSE_HUGE));
  if (!doc) return PlainTextPage(L"");
  const xmlNode* root = xmlDocGetRootElement(doc.get());
  if (const xmlNode* body = FindBody(root)) {
    DisplayedText text;
    CollectText(body, false, text);
    page.bodyText = Utf8ToWide(text.Result());
  }
  CollectElements(root, page.elements);
  return page;
}
