// SPDX-License-Identifier: MIT
// How fast pages are scanned: a large GBK page with its markers near the end, and inputs
// built to make a naive search rescan.
#include <benchmark/benchmark.h>

#include "core/charset.h"
#include "core/extract.h"

namespace qirvo {
namespace {

constexpr size_t kPageSize = 16u << 20;

const Text& LargePage() {
  static const Text page = [] {
    const Text row = Gbk("<tr><td class=\"l\">北京市 海淀区</td><td>电信</td><td>ADSL</td></tr>\r\n");
    Text p;
    p.reserve(kPageSize + 256);
    while (p.size() < kPageSize) p += row;
    p += Gbk("<p>所查IP地址是：<span class=\"bred\">1.2.3.4</span>，&nbsp;属于：<span "
             "class=\"bred\">中国 北京市</span></p>");
    return p;
  }();
  return page;
}

void BM_FindMarkerNearEnd(benchmark::State& state) {
  const Text& page = LargePage();
  const Text marker = Gbk("所查IP地址是：<span class=\"bred\">");
  for (auto _ : state) benchmark::DoNotOptimize(Find(page, marker, true));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_FindMarkerNearEnd)->Unit(benchmark::kMillisecond);

void BM_ExtractBetweenOnLargePage(benchmark::State& state) {
  const Text& page = LargePage();
  const Text left = Gbk("属于：<span class=\"bred\">");
  const Text right = Gbk("</span></p>");
  for (auto _ : state) benchmark::DoNotOptimize(ExtractBetween(page, left, right));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ExtractBetweenOnLargePage)->Unit(benchmark::kMillisecond);

void BM_FindAdversarialFlood(benchmark::State& state) {
  const Text hay(kPageSize, 'a');
  const Text needle = Text(1000, 'a') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(Find(hay, needle, false));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * hay.size()));
}
BENCHMARK(BM_FindAdversarialFlood)->Unit(benchmark::kMillisecond);

// Run at two sizes: the same bytes per second at both shows the time is linear.
void BM_ExtractBetweenAdversarialFlood(benchmark::State& state) {
  Text hay(static_cast<size_t>(state.range(0)) + 1, 'a');
  hay[0] = '[';
  const Text right = Text(1000, 'a') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(ExtractBetween(hay, "[", right));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * hay.size()));
}
BENCHMARK(BM_ExtractBetweenAdversarialFlood)->Arg(kPageSize / 4)->Arg(kPageSize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qirvo
