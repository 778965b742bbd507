// SPDX-License-Identifier: MIT
#include "tools/services_emulator.h"

#include <httplib.h>

#include <QFile>
#include <map>
#include <thread>

#include "core/charset.h"

namespace qirvo {
namespace {

struct Place {
  std::string ip;
  std::string location;
};

// What the IP-location service knows, by name or address (UTF-8; sent as GBK).
const std::map<std::string, Place>& Places() {
  static const std::map<std::string, Place> places = {
      {"example.com", {"93.184.216.34", "美国 加利福尼亚州 洛杉矶"}},
      {"www.qq.com", {"183.3.226.35", "广东省深圳市 电信"}},
      {"www.baidu.com", {"110.242.68.66", "河北省保定市 联通"}},
      {"nowhere.test", {"该地址无法解析为Ip", ""}},
      {"8.8.8.8", {"8.8.8.8", "美国 加利福尼亚州 山景城 谷歌公司DNS服务器"}},
      {"114.114.114.114", {"114.114.114.114", "江苏省南京市 信风网络科技有限公司"}},
      {"93.184.216.34", {"93.184.216.34", "美国 加利福尼亚州 洛杉矶"}},
      {"183.3.226.35", {"183.3.226.35", "广东省深圳市 电信"}},
      {"110.242.68.66", {"110.242.68.66", "河北省保定市 联通"}},
      {"127.0.0.1", {"127.0.0.1", "本机地址"}},
      {"0.0.0.0", {"0.0.0.0", "()"}},
  };
  return places;
}

std::string LocationPage(const std::string& input) {
  const auto it = Places().find(GbkToUtf8(input));
  if (it == Places().end())
    return Gbk("<html><head><title>IP查询</title></head><body><h1>无效的域名</h1>无效的IP地址"
               "</body></html>");
  return Gbk("<html><head><title>IP查询</title></head><body>\r\n<h1>IP地址查询</h1>\r\n"
             "<p>您所查IP地址是：<span class=\"bred\">") +
         Gbk(it->second.ip) + Gbk("</span>，&nbsp;属于：<span class=\"bred\">") +
         Gbk(it->second.location) + "</span></p>\r\n</body></html>";
}

struct Reading {
  const char* verdict;
  const char* rating;
  const char* explanation;
};

const Reading kReadings[] = {
    {"凶吉：[大吉]", "富贵荣华", "此数大吉，名利双收，万事如意，前途无量。"},
    {"凶吉：[吉]", "稳步上升", "此数吉祥，贵人相助，循序渐进，终有所成。"},
    {"凶吉：[半吉]", "先苦后甜", "此数半吉，初时多劳，坚持不懈，晚景安泰。"},
    {"凶吉：[凶]", "波折重重", "此数偏凶，宜守不宜攻，谨慎行事可保平安。"},
};

std::string FortunePage(const std::string& number) {
  unsigned sum = 0;
  for (const char c : number) sum += static_cast<unsigned char>(c);
  const Reading& r = kReadings[sum % std::size(kReadings)];
  return Gbk("<html><head><title>QQ号码吉凶</title></head><body>\r\n<p><span class=\"bred\">") +
         Gbk(r.verdict) + "</span><span class=\"bblue\">" + Gbk(r.rating) +
         "</span></p>\r\n<p>" + Gbk(r.explanation) + "</p>\r\n</body></html>";
}

// UTF-8, with a footer character outside GB2312 as the real page has.
std::string LoginLimitPage(const std::string& account) {
  const bool digits = account.size() >= 5 && account.find_first_not_of("0123456789") == std::string::npos;
  const char* body = !digits                ? "<p>请输入不能登录的帐号</p>"
                     : account.back() == '4' ? "<p>该帐号因安全原因暂时不能登录，请先解除限制。</p>"
                                             : "<p>恭喜，您的QQ可以正常登录。</p>";
  return std::string("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>") + body +
         "<footer>© 1998-2026 Tencent. All Rights Reserved.</footer></body></html>";
}

std::string Resource(const char* path) {
  QFile f(QString::fromUtf8(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

struct ServicesEmulator::Impl {
  httplib::Server server;
  int port = -1;
  std::thread thread;
};

ServicesEmulator::ServicesEmulator(int port) : impl_(std::make_unique<Impl>()) {
  httplib::Server& s = impl_->server;
  s.Get("/", [](const auto&, auto& res) {
    res.set_content("<html><body>Qirvo services emulator</body></html>", "text/html");
  });
  s.Get("/today.asp", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(LocationPage(req.get_param_value("ip")), "text/html; charset=gbk");
  });
  s.Get("/msn.asp", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(FortunePage(req.get_param_value("qq")), "text/html; charset=gbk");
  });
  s.Get("/cn2/login_limit/limit_detail_v2", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(LoginLimitPage(req.get_param_value("account")), "text/html; charset=utf-8");
  });
  const std::string slides[] = {Resource(":/slides/hdp_1.jpg"), Resource(":/slides/hdp_2.jpg")};
  for (int n = 0; n < 2; ++n)
    s.Get("/hdp/hdp_" + std::to_string(n + 1) + ".jpg",
          [picture = slides[n]](const auto&, auto& res) { res.set_content(picture, "image/jpeg"); });
  s.Get("/rjxx/qrvrjxx.txt", [](const auto&, auto& res) {
    res.set_content(Gbk("VEXA丶Qirvo 版本信息\r\n软件（1.0）版本\r\n更新时间：2014-2-16\r\n"),
                    "text/plain; charset=gbk");
  });

  impl_->port = port == 0 ? s.bind_to_any_port("127.0.0.1")
                          : (s.bind_to_port("127.0.0.1", port) ? port : -1);
  if (impl_->port < 0) return;
  impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
  while (!impl_->server.is_running()) std::this_thread::yield();
}

ServicesEmulator::~ServicesEmulator() {
  impl_->server.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

std::string ServicesEmulator::Base() const {
  return impl_->port < 0 ? std::string() : "http://127.0.0.1:" + std::to_string(impl_->port);
}

}  // namespace qirvo
