#include "app/logic/tests/fakes.h"

#include <algorithm>
#include <cctype>

namespace lanque::testing {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Simple: return "simple";
    case MessageKind::Information: return "information";
    case MessageKind::YesNo: return "yes-no";
  }
  return "?";
}

class FakeSection : public SettingsSection {
 public:
  explicit FakeSection(FakeSettingsStore& store) : store_(store) {}
  StoredValue Read(std::string_view name) override {
    const auto found = store_.values.find(Lower(name));
    return found == store_.values.end() ? StoredValue{} : found->second.value;
  }
  bool Write(std::string_view name, std::string_view text) override {
    if (!store_.canWrite) return false;
    store_.Put(name, text);
    return true;
  }

 private:
  FakeSettingsStore& store_;
};

}  // namespace

std::string FakeGbk(std::string_view utf8) {
  static const std::pair<std::string_view, std::string_view> kTable[] = {
      {"\xE5\xBC\xA0", "\xD5\xC5"},  // 张
      {"\xE4\xB8\x89", "\xC8\xFD"},  // 三
      {"\xE5\xAF\x86", "\xC3\xDC"},  // 密
      {"\xE7\xA0\x81", "\xC2\xEB"},  // 码
  };
  std::string out;
  while (!utf8.empty()) {
    bool mapped = false;
    for (const auto& [from, to] : kTable) {
      if (utf8.substr(0, from.size()) == from) {
        out += to;
        utf8.remove_prefix(from.size());
        mapped = true;
        break;
      }
    }
    if (!mapped) {
      out += utf8.front();
      utf8.remove_prefix(1);
    }
  }
  return out;
}

void FakeLoginView::SetUserNumberText(const std::string& text) {
  userNumber = text;
  actions.push_back("user number " + text);
}
void FakeLoginView::TickSaveNumber() {
  saveNumberTicked = true;
  actions.push_back("tick save number");
}
void FakeLoginView::TickAutoSignIn() {
  autoSignInTicked = true;
  actions.push_back("tick auto sign-in");
}
void FakeLoginView::SetStatusText(const std::string& text) {
  status = text;
  actions.push_back("status " + text);
}
void FakeLoginView::SetSignInEnabled(bool enabled) {
  signInEnabled = enabled;
  actions.push_back(enabled ? "enable" : "disable");
}
MessageAnswer FakeLoginView::ShowMessageBox(const std::string& text, const std::string& caption,
                                            MessageKind kind) {
  messages.push_back(caption + "|" + text + "|" + KindName(kind));
  actions.push_back("message " + text);
  return nextAnswer;
}
void FakeLoginView::NavigateChannel(const std::string& address) {
  channelAddresses.push_back(address);
  actions.push_back("channel " + address);
}
void FakeLoginView::NavigateBanner(const std::string& address) {
  bannerAddresses.push_back(address);
  actions.push_back("banner " + address);
}
void FakeLoginView::RevealBanner() {
  bannerRevealed = true;
  actions.push_back("reveal banner");
}
void FakeLoginView::SetPollInterval(std::uint32_t milliseconds) {
  pollInterval = milliseconds;
  actions.push_back("poll " + std::to_string(milliseconds));
}
void FakeLoginView::ShellOpen(const std::string& address) {
  shellOpened.push_back(address);
  actions.push_back("shell open " + address);
}
void FakeLoginView::RequestClose() {
  ++closeRequests;
  actions.push_back("close");
}
void FakeLoginView::ShowSignedInView() {
  signedInViewShown = true;
  actions.push_back("signed-in view");
}

std::unique_ptr<SettingsSection> FakeSettingsStore::Open() {
  ++opens;
  if (!canOpen) return nullptr;
  return std::make_unique<FakeSection>(*this);
}

void FakeSettingsStore::Put(std::string_view name, std::string_view text) {
  values[Lower(name)] = Value{std::string(name), StoredValue{StoredKind::Text, std::string(text)}};
}

void FakeSettingsStore::PutNotText(std::string_view name) {
  values[Lower(name)] = Value{std::string(name), StoredValue{StoredKind::NotText, {}}};
}

std::string FakeSettingsStore::Get(std::string_view name) const {
  const auto found = values.find(Lower(name));
  if (found == values.end() || found->second.value.kind != StoredKind::Text) return "<absent>";
  return found->second.value.text;
}

}  // namespace lanque::testing
