// Signs in against the stand-in service (service/lanque_service.py) over real
// HTTP on loopback: the client's signing, encoding and dispatch must agree
// with the service's checks. Native only (POSIX processes and sockets).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "app/logic/tests/fakes.h"
#include "app/logic/login_controller.h"
#include "app/logic/text_rules.h"

namespace lanque {
namespace {

using testing::FakeGbk;
using testing::FakeLoginView;
using testing::FakeSettingsStore;

// The service as a child process on a free loopback port.
class ServiceProcess {
 public:
  ServiceProcess() {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, STDERR_FILENO);
      execlp("python3", "python3", LANQUE_SERVICE_SCRIPT, "--port", "0", "--account",
             "\xE5\xBC\xA0\xE4\xB8\x89:\xE5\xAF\x86\xE7\xA0\x81", nullptr);  // 张三:密码
      _exit(127);
    }
    close(out[1]);
    // Kept open while the service runs: it prints more than the first line.
    output_ = fdopen(out[0], "r");
    char line[256] = {};
    if (output_ && std::fgets(line, sizeof line, output_)) {
      std::string text(line);  // "listening: http://127.0.0.1:PORT"
      const auto at = text.find(':');
      base_ = std::string(TrimControl(text.substr(at + 1)));
      port_ = std::stoi(base_.substr(base_.rfind(':') + 1));
    }
  }
  ~ServiceProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (output_) std::fclose(output_);
  }
  const std::string& Base() const { return base_; }
  int Port() const { return port_; }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
  std::string base_;
  int port_ = 0;
};

// The body of a GET of `address` (an address on 127.0.0.1:port).
std::string HttpGetBody(int port, const std::string& address) {
  const auto pathAt = address.find('/', address.find("//") + 2);
  const std::string path = pathAt == std::string::npos ? "/" : address.substr(pathAt);
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string reply;
  if (connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0) {
    const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
    if (write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
      char buffer[4096];
      for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) reply.append(buffer, n);
    }
  }
  close(fd);
  const auto bodyAt = reply.find("\r\n\r\n");
  return bodyAt == std::string::npos ? std::string() : reply.substr(bodyAt + 4);
}

// A window whose service channel is a plain HTTP client: each navigation loads
// the page at once, and the test then delivers its document-complete.
class HttpLoginView : public FakeLoginView {
 public:
  explicit HttpLoginView(int port) : port_(port) {}
  void NavigateChannel(const std::string& address) override {
    FakeLoginView::NavigateChannel(address);
    replyText = HttpGetBody(port_, address);
    pending = true;
  }
  bool pending = false;

 private:
  int port_;
};

class ServiceEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GT(service.Port(), 0) << "the stand-in service did not start"; }

  // Runs the client until the channel has no reply left to handle.
  void Run(LoginController& controller, HttpLoginView& view) {
    for (int step = 0; view.pending && step < 10; ++step) {
      view.pending = false;
      controller.OnChannelDocumentComplete();
    }
  }
  LoginEnvironment Environment() {
    return {service.Base(), FakeGbk, [] { return static_cast<std::int64_t>(time(nullptr)); }};
  }

  ServiceProcess service;
  FakeSettingsStore machine;
};

TEST_F(ServiceEndToEndTest, ManualThenAutomaticSignInReachTheLandingPage) {
  HttpLoginView view(service.Port());
  LoginController controller(view, {&machine}, Environment());
  controller.Start();
  Run(controller, view);
  ASSERT_TRUE(view.signInEnabled) << view.replyText;
  EXPECT_EQ(view.pollInterval, 10000u);

  view.userNumber = " \xE5\xBC\xA0\xE4\xB8\x89 ";  // " 张三 "
  view.password = "\xE5\xAF\x86\xE7\xA0\x81";     // "密码"
  view.autoSignInTicked = true;
  controller.SignInClick();
  Run(controller, view);
  EXPECT_TRUE(view.messages.empty()) << view.messages.front();
  EXPECT_EQ(view.status, "登陆成功，请稍候...");
  EXPECT_TRUE(controller.IsSignedIn());
  EXPECT_TRUE(view.signedInViewShown);
  EXPECT_NE(view.replyText.find("id=\"client_exit\" value=\"0\""), std::string::npos);
  EXPECT_EQ(machine.Get("AutoRun"), "1");

  // The next start signs in by itself with the stored digest.
  HttpLoginView next(service.Port());
  LoginController nextController(next, {&machine}, Environment());
  nextController.Start();
  Run(nextController, next);
  EXPECT_TRUE(next.password.empty());
  EXPECT_TRUE(nextController.IsSignedIn());
  EXPECT_TRUE(next.signedInViewShown);
}

TEST_F(ServiceEndToEndTest, WrongPasswordIsRefusedWithTheServiceReason) {
  HttpLoginView view(service.Port());
  LoginController controller(view, {&machine}, Environment());
  controller.Start();
  Run(controller, view);
  view.userNumber = "\xE5\xBC\xA0\xE4\xB8\x89";
  view.password = "wrong";
  view.signInEnabled = false;
  controller.SignInClick();
  Run(controller, view);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], "|登陆失败:用户号码或密码错误|simple");
  EXPECT_TRUE(view.signInEnabled);
  EXPECT_FALSE(controller.IsSignedIn());
}

}  // namespace
}  // namespace lanque
