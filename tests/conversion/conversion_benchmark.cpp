// The per-eye pipeline against the same pipeline built on the C library's strtod and
// snprintf, and TextToNumber on 1 KB and 1 MB fields. The figures that matter are ratios
// within this one run, printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "conversion/conversion.h"

namespace {

struct EyeFields {
  const char* spectacle;
  const char* cylinder;
};

const EyeFields kEyes[] = {{"400", ""}, {"300", "75"}, {"-250.5", "-50"}, {"1000", "125"}};

void Pipeline(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const EyeFields& eye = kEyes[i++ % std::size(kEyes)];
    const double spectacle = quorvane::TextToNumber(eye.spectacle);
    const double cylinder = quorvane::TextToNumber(eye.cylinder);
    const double power = quorvane::ContactLensPower(quorvane::ToWholeNumber(spectacle), quorvane::ToWholeNumber(cylinder));
    quorvane::NumberText text = quorvane::NumberToText(power);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(Pipeline);

void NaivePipeline(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const EyeFields& eye = kEyes[i++ % std::size(kEyes)];
    const double spectacle = std::strtod(eye.spectacle, nullptr);
    const double cylinder = std::strtod(eye.cylinder, nullptr);
    const double power = quorvane::ContactLensPower(quorvane::ToWholeNumber(spectacle), quorvane::ToWholeNumber(cylinder));
    char text[32];
    std::snprintf(text, sizeof text, "%.13g", power);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(NaivePipeline);

std::string DigitField(std::size_t bytes) {
  std::string field(bytes, '0');
  for (std::size_t i = 0; i < bytes; ++i) {
    field[i] = static_cast<char>('1' + i % 9);
  }
  return field;
}

void TextToNumberField(benchmark::State& state) {
  const std::string field = DigitField(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(quorvane::TextToNumber(field.c_str()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(TextToNumberField)->Arg(1000)->Arg(1000000);

// Keeps each benchmark's CPU time per iteration for the ratios: on a busy machine the wall
// clock also counts other processes' turns.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Time(const std::string& name) const {
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double pipeline = reporter.Time("Pipeline") / reporter.Time("NaivePipeline");
  const double linearity = reporter.Time("TextToNumberField/1000000") / (1000 * reporter.Time("TextToNumberField/1000"));
  std::printf("pipeline / strtod-and-snprintf pipeline: %.2f (goal at most 1.5)\n", pipeline);
  std::printf("1 MB field / (1000 x 1 KB field):        %.2f (goal at most 1.3)\n", linearity);
  benchmark::Shutdown();
  return 0;
}
