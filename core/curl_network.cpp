// SPDX-License-Identifier: MIT
#include <curl/curl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <chrono>
#include <cstdio>
#include <mutex>

#include "core/network.h"
#include "core/system_online.h"

namespace qirvo {
namespace {

using Clock = std::chrono::steady_clock;

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
  CURL* handle;
  Bytes body;
  std::size_t maxBody;
  std::chrono::milliseconds idle;
  Clock::time_point lastByte = Clock::now();
};

// Reserves room for a body of `length` bytes. A large buffer is offered to the kernel for
// huge pages: filling 16 MiB of fresh 4 KiB pages costs more than the transfer itself.
void ReserveBody(Bytes& body, size_t length) {
  body.reserve(length);
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kHuge = uintptr_t{2} << 20;
  if (length < 2 * kHuge) return;
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<uintptr_t>(body.data());
  const uintptr_t first = (begin + page - 1) & ~(page - 1);
  const uintptr_t last = (begin + body.capacity()) & ~(page - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (t->body.empty()) {
    // One allocation for the announced length, not a dozen as the body grows.
    curl_off_t announced = -1;
    curl_easy_getinfo(t->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    if (announced > 0) ReserveBody(t->body, std::min(t->maxBody, static_cast<size_t>(announced)));
  }
  const size_t room = t->maxBody - std::min(t->maxBody, t->body.size());
  t->body.append(data, std::min(n, room));
  t->lastByte = Clock::now();
  return n <= room ? n : 0;  // a short count stops the transfer at the cap
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* t = static_cast<Transfer*>(user);
  return Clock::now() - t->lastByte > t->idle ? 1 : 0;
}

size_t OnHeaderTouch(char*, size_t size, size_t count, void* user) {
  static_cast<Transfer*>(user)->lastByte = Clock::now();
  return size * count;
}

struct Easy {
  CURL* h;
  Easy() : h((InitCurlOnce(), curl_easy_init())) {}
  ~Easy() { curl_easy_cleanup(h); }
  Easy(const Easy&) = delete;
  Easy& operator=(const Easy&) = delete;
};

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
  void Add(const char* h) { list = curl_slist_append(list, h); }
};

void SetCommon(CURL* h, const std::string& url, long maxRedirects) {
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, maxRedirects);
}

}  // namespace

Text EscapeUnsafeUrlBytes(std::string_view url) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  Text out;
  out.reserve(url.size());
  for (const char ch : url) {
    const auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c >= 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += ch;
    }
  }
  return out;
}

Text QueryUrl(std::string_view base, std::string_view pathAndKey, std::string_view input) {
  Text out = Concat(base, pathAndKey);
  out.reserve(out.size() + input.size());
  for (const char c : input) {
    if (c == '&')
      out += "%26";
    else if (c == '#')
      out += "%23";
    else
      out += c;
  }
  return out;
}

Text FetchText(Network& net, const Text& url) { return BytesToText(net.Fetch(url)); }

CurlNetwork::CurlNetwork(Text probeUrl, FetchLimits limits, std::function<bool()> systemOnline)
    : probeUrl_(std::move(probeUrl)),
      limits_(limits),
      systemOnline_(systemOnline ? std::move(systemOnline) : SystemReportsOnline) {
  InitCurlOnce();
}

Bytes CurlNetwork::Fetch(const Text& url) {
  // One handle per thread, reset between uses, saves setting up curl's caches each time.
  thread_local Easy easy;
  CURL* h = easy.h;
  if (!h) return {};
  curl_easy_reset(h);

  const std::string wire = EscapeUnsafeUrlBytes(url);
  Transfer t{h, {}, limits_.maxBody, limits_.idle};
  HeaderList headers;
  headers.Add("Accept: */*");
  headers.Add("Pragma: no-cache");

  SetCommon(h, wire, limits_.maxRedirects);
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(h, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.list);
  curl_easy_setopt(h, CURLOPT_PROXY, "");  // never a proxy, whatever the environment says
  curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connect.count()));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.total.count()));
  curl_easy_setopt(h, CURLOPT_BUFFERSIZE, 256L * 1024);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, OnHeaderTouch);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &t);
  curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);

  t.lastByte = Clock::now();
  curl_easy_perform(h);  // whatever the outcome, the bytes that arrived are the answer
  return std::move(t.body);
}

namespace {

struct Probe {
  bool headersDone = false;
};

size_t OnProbeHeader(char* data, size_t size, size_t count, void* user) {
  const size_t n = size * count;
  if (n == 2 && data[0] == '\r' && data[1] == '\n') static_cast<Probe*>(user)->headersDone = true;
  return n;
}

size_t OnProbeBody(char*, size_t, size_t, void*) { return 0; }  // the body is not wanted

}  // namespace

bool CurlNetwork::IsOnline() {
  if (!IsLoopbackUrl(probeUrl_) && !systemOnline_()) return false;
  Easy easy;  // the probe keeps a handle of its own
  if (!easy.h) return false;
  Probe probe;
  HeaderList headers;
  headers.Add("Pragma: no-cache");
  SetCommon(easy.h, EscapeUnsafeUrlBytes(probeUrl_), limits_.maxRedirects);
  curl_easy_setopt(easy.h, CURLOPT_USERAGENT, "test");
  curl_easy_setopt(easy.h, CURLOPT_HTTPHEADER, headers.list);
  curl_easy_setopt(easy.h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.probe.count()));
  curl_easy_setopt(easy.h, CURLOPT_HEADERFUNCTION, OnProbeHeader);
  curl_easy_setopt(easy.h, CURLOPT_HEADERDATA, &probe);
  curl_easy_setopt(easy.h, CURLOPT_WRITEFUNCTION, OnProbeBody);
  curl_easy_perform(easy.h);
  return probe.headersDone;
}

}  // namespace qirvo
