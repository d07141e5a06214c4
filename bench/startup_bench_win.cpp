// Start-up: the program from its start to its first painted login window,
// and a bare window built the same way (run it on Windows or under Wine,
// with a warm wineserver). Each run starts the program with /profile=startup
// and waits for its time stamps; the time is the wall clock from starting
// the process to the arrival of the stamps, and every stamp is a counter
// (milliseconds after the process's creation). Ten runs each: compare the
// medians, ideally with --benchmark_enable_random_interleaving=true.
// LANQUE_STARTUP_BASELINE adds another build of the program to the run.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>

#include "base/win_handles.h"

namespace {

std::wstring BenchFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// Starts the command with its output into a pipe and reads it to the end;
// the seconds until the first paint's stamp arrived.
double RunProfiled(benchmark::State& state, std::wstring command) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE reading = nullptr, writing = nullptr;
  if (!CreatePipe(&reading, &writing, &inherit, 0)) return -1;
  TOwnedKernelHandle readEnd(reading), writeEnd(writing);
  SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writing;
  startup.hStdError = writing;
  PROCESS_INFORMATION process{};
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  TOwnedKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
  writeEnd.Reset();  // the child holds the only writing end now: its end is the pipe's end
  std::string output;
  double seconds = -1;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(reading, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    output.append(buffer, got);
    if (seconds < 0 && output.find("first-paint") != std::string::npos)
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  WaitForSingleObject(process.hProcess, 10000);
  std::istringstream lines(output);
  std::string name;
  double milliseconds = 0;
  while (lines >> name >> milliseconds) state.counters[name + "_ms"] = milliseconds;
  return seconds;
}

void RunStartups(benchmark::State& state, const std::wstring& command) {
  for (auto _ : state) {
    const double seconds = RunProfiled(state, command);
    if (seconds < 0) {
      state.SkipWithError("the program printed no first paint");
      return;
    }
    state.SetIterationTime(seconds);
  }
}

void BM_StartupLoginWindow(benchmark::State& state) {
  // A closed loopback port as the service: nothing leaves the machine.
  RunStartups(state, L"\"" + BenchFolder() + L"..\\lanque.exe\" /profile=startup /service=http://127.0.0.1:9/");
}

void BM_StartupBareWindow(benchmark::State& state) {
  RunStartups(state, L"\"" + BenchFolder() + L"lanque_bare_window.exe\" /profile=startup");
}

// The statistics every start-up is measured with: ten single starts.
void TenStarts(benchmark::internal::Benchmark* run) {
  run->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(10)->ReportAggregatesOnly(true);
}

// Another build of the program to compare with in the same run (an earlier
// one, say), when LANQUE_STARTUP_BASELINE names its lanque.exe.
[[maybe_unused]] const bool kBaselineRegistered = [] {
  const wchar_t* baseline = _wgetenv(L"LANQUE_STARTUP_BASELINE");
  if (!baseline || !*baseline) return false;
  const std::wstring command =
      L"\"" + std::wstring(baseline) + L"\" /profile=startup /service=http://127.0.0.1:9/";
  TenStarts(benchmark::RegisterBenchmark("BM_StartupBaseline",
                                         [command](benchmark::State& state) { RunStartups(state, command); }));
  return true;
}();

}  // namespace

BENCHMARK(BM_StartupLoginWindow)->Apply(TenStarts);
BENCHMARK(BM_StartupBareWindow)->Apply(TenStarts);
