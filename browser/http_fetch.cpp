#include "browser/http_fetch.h"

#include <winhttp.h>

#include <memory>
#include <string>

namespace {

struct InternetClose {
  void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetClose>;

// One session for every request of the program: cookies are kept across
// requests and shared by all browsers, as the system browser does. It lives
// until the process ends and is deliberately never closed: a worker still
// waiting on a slow service at exit must not find it gone.
HINTERNET Session() {
  static const HINTERNET session =
      WinHttpOpen(L"Mozilla/5.0 (Windows NT 6.1; lanque)", WINHTTP_ACCESS_TYPE_NO_PROXY,
                  WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  return session;
}

struct UserProxy {
  std::wstring proxy;
  std::wstring bypass;
};

// The user's configured static proxy (Internet settings), read once.
const UserProxy& ConfiguredProxy() {
  static const UserProxy configured = [] {
    UserProxy result;
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config{};
    if (WinHttpGetIEProxyConfigForCurrentUser(&config)) {
      if (config.lpszProxy) result.proxy = config.lpszProxy;
      if (config.lpszProxyBypass) result.bypass = config.lpszProxyBypass;
    }
    for (LPWSTR text : {config.lpszProxy, config.lpszProxyBypass, config.lpszAutoConfigUrl})
      if (text) GlobalFree(text);
    return result;
  }();
  return configured;
}

bool IsLoopback(const std::wstring& host) {
  return host == L"localhost" || host.rfind(L"127.", 0) == 0 || host == L"[::1]" ||
         host == L"::1";
}

std::wstring Describe(const wchar_t* step, DWORD error) {
  const wchar_t* what = L"网络错误";
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT: what = L"等待服务器超时"; break;
    case ERROR_WINHTTP_CANNOT_CONNECT:
    case WSAECONNREFUSED: what = L"无法连接到服务器"; break;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: what = L"无法解析服务器名称"; break;
    case ERROR_WINHTTP_CONNECTION_ERROR: what = L"与服务器的连接中断"; break;
    case ERROR_WINHTTP_INVALID_URL: what = L"地址无效"; break;
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: what = L"不支持的地址协议"; break;
    case ERROR_WINHTTP_SECURE_FAILURE: what = L"安全连接失败"; break;
    case ERROR_NOT_ENOUGH_MEMORY: what = L"页面过大"; break;
    case ERROR_WINHTTP_REDIRECT_FAILED: what = L"重定向次数过多"; break;
    default: break;
  }
  return std::wstring(what) + L" (" + step + L", 错误 " + std::to_wstring(error) + L")";
}

std::wstring QueryHeader(HINTERNET request, DWORD header) {
  DWORD bytes = 0;
  WinHttpQueryHeaders(request, header, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &bytes,
                      WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return {};
  std::wstring value(bytes / sizeof(wchar_t), L'\0');
  if (!WinHttpQueryHeaders(request, header, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &bytes,
                           WINHTTP_NO_HEADER_INDEX))
    return {};
  value.resize(bytes / sizeof(wchar_t));
  return value;
}

void UseConfiguredProxy(HINTERNET request, const std::wstring& host) {
  const UserProxy& configured = ConfiguredProxy();
  if (configured.proxy.empty() || IsLoopback(host)) return;
  WINHTTP_PROXY_INFO info{};
  info.dwAccessType = WINHTTP_ACCESS_TYPE_NAMED_PROXY;
  info.lpszProxy = const_cast<LPWSTR>(configured.proxy.c_str());
  info.lpszProxyBypass =
      configured.bypass.empty() ? nullptr : const_cast<LPWSTR>(configured.bypass.c_str());
  WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &info, sizeof(info));
}

void PercentEncode(std::wstring& out, const wchar_t* chars, int count) {
  char bytes[16];
  int length = WideCharToMultiByte(CP_ACP, 0, chars, count, bytes, sizeof(bytes), nullptr, nullptr);
  static const wchar_t hex[] = L"0123456789ABCDEF";
  for (int i = 0; i < length; ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    out += L'%';
    out += hex[byte >> 4];
    out += hex[byte & 15];
  }
}

}  // namespace

std::wstring RequestAddress(const std::wstring& address) {
  std::wstring result = address.substr(0, address.find(L'#'));
  size_t query = result.find(L'?');
  if (query == std::wstring::npos) return result;
  std::wstring encoded = result.substr(0, query + 1);
  for (size_t i = query + 1; i < result.size(); ++i) {
    wchar_t c = result[i];
    if (c > L' ' && c < 0x7F) {
      encoded += c;
    } else {
      int count = (IS_HIGH_SURROGATE(c) && i + 1 < result.size()) ? 2 : 1;
      PercentEncode(encoded, &result[i], count);
      i += count - 1;
    }
  }
  return encoded;
}

HttpReply HttpGet(const std::wstring& address, const HttpTimeouts& timeouts) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeouts.pageMs);
  HttpReply reply;
  std::wstring wire = RequestAddress(address);

  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = DWORD(-1);
  parts.dwSchemeLength = DWORD(-1);
  if (!WinHttpCrackUrl(wire.c_str(), static_cast<DWORD>(wire.size()), 0, &parts)) {
    reply.failure = Describe(L"WinHttpCrackUrl", GetLastError());
    return reply;
  }
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
    reply.failure = Describe(L"WinHttpCrackUrl", ERROR_WINHTTP_UNRECOGNIZED_SCHEME);
    return reply;
  }
  std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring object(parts.lpszUrlPath, parts.dwUrlPathLength);
  object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (object.empty()) object = L"/";

  InternetHandle connection(WinHttpConnect(Session(), host.c_str(), parts.nPort, 0));
  if (!connection) {
    reply.failure = Describe(L"WinHttpConnect", GetLastError());
    return reply;
  }
  DWORD flags = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  InternetHandle request(WinHttpOpenRequest(connection.get(), L"GET", object.c_str(), nullptr,
                                            WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                            flags));
  if (!request) {
    reply.failure = Describe(L"WinHttpOpenRequest", GetLastError());
    return reply;
  }
  WinHttpSetTimeouts(request.get(), timeouts.connectMs, timeouts.connectMs, timeouts.receiveMs,
                     timeouts.receiveMs);
  DWORD headerWait = static_cast<DWORD>(timeouts.receiveMs);
  WinHttpSetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headerWait,
                   sizeof(headerWait));
  DWORD redirects = kMaxRedirects;
  WinHttpSetOption(request.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                   sizeof(redirects));
  UseConfiguredProxy(request.get(), host);

  if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                          WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
    reply.failure = Describe(L"WinHttpSendRequest", GetLastError());
    return reply;
  }
  if (!WinHttpReceiveResponse(request.get(), nullptr)) {
    reply.failure = Describe(L"WinHttpReceiveResponse", GetLastError());
    return reply;
  }
  DWORD status = 0, statusBytes = sizeof(status);
  WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusBytes,
                      WINHTTP_NO_HEADER_INDEX);
  reply.status = status;
  reply.contentType = QueryHeader(request.get(), WINHTTP_QUERY_CONTENT_TYPE);

  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!WinHttpReadData(request.get(), buffer, sizeof(buffer), &read)) {
      reply.failure = Describe(L"WinHttpReadData", GetLastError());
      return reply;
    }
    if (read == 0) break;
    if (GetTickCount64() > deadline) {
      reply.failure = Describe(L"WinHttpReadData", ERROR_WINHTTP_TIMEOUT);
      return reply;
    }
    if (reply.body.size() + read > kMaxPageBytes) {
      reply.failure = Describe(L"WinHttpReadData", ERROR_NOT_ENOUGH_MEMORY);
      return reply;
    }
    reply.body.append(buffer, read);
  }
  reply.received = true;
  return reply;
}
