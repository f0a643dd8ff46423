// Throughput of TUri::URLEncode on realistic search URLs, against QUrl
// (tolerant parse, then toEncoded) and libcurl's URL API (curl_url_set with
// CURLU_URLENCODE, then curl_url_get) on the same URLs; and URLEncode on one
// very long query, to show linear time. Prints URLs per second for each and
// the ratios, and how many heap allocations one URLEncode call makes.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "uri/uri.h"

// Every heap allocation of the program, counted.
std::atomic<std::int64_t> Allocations{0};

void* operator new(std::size_t ASize) {
  Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* Block = std::malloc(ASize == 0 ? 1 : ASize)) return Block;
  throw std::bad_alloc();
}
void operator delete(void* ABlock) noexcept { std::free(ABlock); }
void operator delete(void* ABlock, std::size_t) noexcept { std::free(ABlock); }

namespace {

std::string ToUtf8(std::u16string_view AText) {
  std::string Bytes;
  TByteEncoding::UTF8().Encode(AText, Bytes);
  return Bytes;
}

// The default search commands followed by generated queries: plain words,
// quoted phrases, excluded terms, site searches, accented text, CJK, emoji
// and a few long ones.
std::vector<std::u16string> MakeCorpus() {
  const std::u16string Commands[] = {u"https://www.google.com/search?q=", u"https://www.bing.com/search?q=",
                                     u"https://search.yahoo.com/search?p="};
  const std::u16string Words[] = {
      u"red",          u"apple",         u"weather",   u"tomorrow",    u"berlin",        u"how",
      u"to",           u"cook",          u"rice",      u"C++",         u"100%",          u"a&b=c",
      u"C#",           u"caf\u00E9",     u"cr\u00E8me", u"br\u00FBl\u00E9e", u"M\u00FCller", u"Stra\u00DFe",
      u"ni\u00F1o",    u"\u00E5ngstr\u00F6m", u"\u6771\u4EAC", u"\u5929\u6C17", u"\u5317\u4EAC\u70E4\u9E2D",
      u"\uC11C\uC6B8", u"\uB0A0\uC528", u"\u3053\u3093\u306B\u3061\u306F", u"\U0001F600", u"\U0001F355",
      u"\U0001F680",   u"recipe",        u"near",      u"me",          u"python",        u"asyncio",
      u"tutorial",     u"price",         u"review",    u"2024",        u"a\\b",          u"x<y>z",
  };
  const std::size_t WordCount = std::size(Words);
  std::vector<std::u16string> Corpus;
  std::uint32_t Seed = 12345;
  const auto Next = [&Seed](std::uint32_t AModulo) {
    Seed = Seed * 1664525u + 1013904223u;
    return (Seed >> 8) % AModulo;
  };
  for (int I = 0; I < 300; ++I) {
    std::u16string Query;
    const std::uint32_t Kind = Next(6);
    const std::uint32_t Length = Kind == 5 ? 40 + Next(20) : 1 + Next(5);
    for (std::uint32_t W = 0; W < Length; ++W) {
      if (!Query.empty()) Query += u' ';
      Query += Words[Next(static_cast<std::uint32_t>(WordCount))];
    }
    if (Kind == 1) Query = u"\"" + Query + u"\"";
    if (Kind == 2) Query += u" -" + Words[Next(static_cast<std::uint32_t>(WordCount))];
    if (Kind == 3) Query += u" site:docs.example.org";
    Corpus.push_back(Commands[I % 3] + Query);
  }
  return Corpus;
}

const std::vector<std::u16string>& Corpus() {
  static const std::vector<std::u16string> Urls = MakeCorpus();
  return Urls;
}

void BM_URLEncode(benchmark::State& AState) {
  const auto& Urls = Corpus();
  const std::int64_t Before = Allocations.load();
  for (auto _ : AState)
    for (const std::u16string& Url : Urls) benchmark::DoNotOptimize(TUri::URLEncode(Url));
  const auto Calls = static_cast<double>(AState.iterations() * Urls.size());
  AState.SetItemsProcessed(static_cast<std::int64_t>(Calls));
  AState.counters["allocs/call"] = static_cast<double>(Allocations.load() - Before) / Calls;
}
BENCHMARK(BM_URLEncode);

void BM_QUrl(benchmark::State& AState) {
  std::vector<QString> Urls;
  for (const std::u16string& Url : Corpus())
    Urls.push_back(QString::fromUtf16(Url.data(), static_cast<qsizetype>(Url.size())));
  for (auto _ : AState)
    for (const QString& Url : Urls) benchmark::DoNotOptimize(QUrl(Url, QUrl::TolerantMode).toEncoded());
  AState.SetItemsProcessed(static_cast<std::int64_t>(AState.iterations() * Urls.size()));
}
BENCHMARK(BM_QUrl);

void BM_Curl(benchmark::State& AState) {
  std::vector<std::string> Urls;
  for (const std::u16string& Url : Corpus()) Urls.push_back(ToUtf8(Url));
  CURLU* Handle = curl_url();
  std::int64_t Failed = 0;
  for (auto _ : AState)
    for (const std::string& Url : Urls) {
      char* Out = nullptr;
      if (curl_url_set(Handle, CURLUPART_URL, Url.c_str(), CURLU_URLENCODE) != CURLUE_OK ||
          curl_url_get(Handle, CURLUPART_URL, &Out, 0) != CURLUE_OK)
        ++Failed;
      benchmark::DoNotOptimize(Out);
      curl_free(Out);
    }
  curl_url_cleanup(Handle);
  AState.SetItemsProcessed(static_cast<std::int64_t>(AState.iterations() * Urls.size()));
  // URLs of the corpus that libcurl refuses, per pass.
  AState.counters["refused"] = benchmark::Counter(static_cast<double>(Failed), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Curl);

// One search URL whose query holds ARange code units of mixed text.
void BM_URLEncodeLongQuery(benchmark::State& AState) {
  const std::u16string Piece = u"long query \"caf\u00E9\" -\u6771\u4EAC \U0001F600 a&b=c ";
  std::u16string Url = u"https://www.google.com/search?q=";
  const auto Units = static_cast<std::size_t>(AState.range(0));
  while (Url.size() < Units) Url += Piece;
  for (auto _ : AState) benchmark::DoNotOptimize(TUri::URLEncode(Url));
  AState.SetBytesProcessed(static_cast<std::int64_t>(AState.iterations() * Url.size() * sizeof(char16_t)));
  AState.SetLabel(std::to_string(Url.size()) + " code units");
}
BENCHMARK(BM_URLEncodeLongQuery)->RangeMultiplier(4)->Range(1 << 16, 1 << 20)->Unit(benchmark::kMillisecond);

// Console output, and the URLs per second of each corpus run kept for the ratios.
class TRateReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> Rates;

  void ReportRuns(const std::vector<Run>& ARuns) override {
    ConsoleReporter::ReportRuns(ARuns);
    for (const Run& R : ARuns) {
      // With repetitions, the median stands for the benchmark.
      if (R.run_type == Run::RT_Aggregate && R.aggregate_name != "median") continue;
      if (const auto Rate = R.counters.find("items_per_second"); Rate != R.counters.end())
        Rates[R.run_name.str()] = Rate->second.value;
    }
  }
};

// How far the three agree on the corpus, to show they do comparable work.
void PrintAgreement() {
  int SameAsQUrl = 0;
  int SameAsCurl = 0;
  CURLU* Handle = curl_url();
  for (const std::u16string& Url : Corpus()) {
    const std::string Ours = ToUtf8(TUri::URLEncode(Url));
    const QByteArray ByQUrl =
        QUrl(QString::fromUtf16(Url.data(), static_cast<qsizetype>(Url.size())), QUrl::TolerantMode).toEncoded();
    SameAsQUrl += Ours == ByQUrl.toStdString();
    char* Out = nullptr;
    if (curl_url_set(Handle, CURLUPART_URL, ToUtf8(Url).c_str(), CURLU_URLENCODE) == CURLUE_OK &&
        curl_url_get(Handle, CURLUPART_URL, &Out, 0) == CURLUE_OK)
      SameAsCurl += Ours == Out;
    curl_free(Out);
  }
  curl_url_cleanup(Handle);
  std::printf("Corpus: %zu URLs; output equal to ours: QUrl %d, libcurl %d\n", Corpus().size(), SameAsQUrl,
              SameAsCurl);
  const std::u16string& Sample = Corpus()[4];
  std::printf("Sample: %s\n  ours:    %s\n  QUrl:    %s\n", ToUtf8(Sample).c_str(),
              ToUtf8(TUri::URLEncode(Sample)).c_str(),
              QUrl(QString::fromUtf16(Sample.data(), static_cast<qsizetype>(Sample.size())), QUrl::TolerantMode)
                  .toEncoded()
                  .constData());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  curl_global_init(CURL_GLOBAL_DEFAULT);
  PrintAgreement();
  TRateReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  const double Ours = Reporter.Rates["BM_URLEncode"];
  const double ByQUrl = Reporter.Rates["BM_QUrl"];
  const double ByCurl = Reporter.Rates["BM_Curl"];
  if (Ours > 0 && ByQUrl > 0 && ByCurl > 0)
    std::printf("URLs per second: URLEncode %.0f, QUrl %.0f, libcurl %.0f\n"
                "URLEncode / QUrl = %.2f, URLEncode / libcurl = %.2f\n",
                Ours, ByQUrl, ByCurl, Ours / ByQUrl, Ours / ByCurl);
  benchmark::Shutdown();
  curl_global_cleanup();
  return 0;
}
