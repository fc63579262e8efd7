// loadgen: a connection-per-request load generator for line servers.
//
//   loadgen run   PORT REQUEST CONCURRENCY SECONDS  one request per connection
//   loadgen burst PORT REQUEST CLIENTS ROUNDS       CLIENTS connecting at once
//   loadgen hold  PORT COUNT                        hold COUNT idle connections
//
// REQUEST may use \n and \r escapes. "run" prints requests per second and the
// 50th and 99th percentile latency; "burst" starts CLIENTS threads that
// connect at the same moment and send one request each, ROUNDS times, and
// prints the failures and the slowest wait; "hold" opens COUNT connections, waits,
// then reports how many were closed by the server without a byte, sends
// "getVersion" on the others and reports how many were served. While it
// holds, it waits for a line on standard input, so a script can measure the
// server in between.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/socket.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Unescape(std::string AText) {
  std::string out;
  for (std::size_t i = 0; i < AText.size(); ++i) {
    if (AText[i] == '\\' && i + 1 < AText.size() && (AText[i + 1] == 'n' || AText[i + 1] == 'r')) {
      out += AText[++i] == 'n' ? '\n' : '\r';
    } else {
      out += AText[i];
    }
  }
  return out;
}

// One request; returns the number of reply bytes (0 on failure).
std::size_t OneRequest(uint16_t APort, const std::string& ARequest) {
  try {
    auto s = platform::TSocket::Connect("127.0.0.1", APort);
    s.SendAll(ARequest.data(), ARequest.size());
    char buf[4096];
    std::size_t total = 0;
    for (std::size_t n; (n = s.Receive(buf, sizeof buf)) > 0;) total += n;
    return total;
  } catch (const platform::ESocketError&) {
    return 0;
  }
}

int Run(uint16_t APort, const std::string& ARequest, int AConcurrency, double ASeconds) {
  std::atomic<bool> stop{false};
  std::vector<std::vector<double>> latencies(AConcurrency);
  std::atomic<long> failures{0};
  std::vector<std::thread> workers;
  const auto start = Clock::now();
  for (int w = 0; w < AConcurrency; ++w) {
    workers.emplace_back([&, w] {
      while (!stop) {
        auto t0 = Clock::now();
        if (OneRequest(APort, ARequest) == 0) failures++;
        latencies[w].push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::duration<double>(ASeconds));
  stop = true;
  for (auto& t : workers) t.join();
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<double> all;
  for (auto& l : latencies) all.insert(all.end(), l.begin(), l.end());
  std::sort(all.begin(), all.end());
  auto pct = [&](double p) {
    return all.empty() ? 0.0 : all[std::min(all.size() - 1, std::size_t(p * all.size()))];
  };
  std::printf("concurrency=%d requests=%zu failures=%ld rps=%.0f p50_us=%.0f p99_us=%.0f\n",
              AConcurrency, all.size(), failures.load(), all.size() / elapsed, pct(0.50),
              pct(0.99));
  return 0;
}

int Burst(uint16_t APort, const std::string& ARequest, int AClients, int ARounds) {
  std::vector<double> latencies;
  long failures = 0;
  const auto start = Clock::now();
  for (int r = 0; r < ARounds; ++r) {
    std::vector<double> round(AClients);
    std::vector<char> failed(AClients);
    std::atomic<int> ready{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < AClients; ++c) {
      clients.emplace_back([&, c] {
        ready++;
        while (ready < AClients) std::this_thread::yield();
        const auto t0 = Clock::now();
        failed[c] = OneRequest(APort, ARequest) == 0;
        round[c] = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
      });
    }
    for (auto& t : clients) t.join();
    latencies.insert(latencies.end(), round.begin(), round.end());
    for (char f : failed) failures += f;
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::sort(latencies.begin(), latencies.end());
  std::printf("clients=%d requests=%zu failures=%ld rps=%.0f p99_ms=%.1f slowest_ms=%.1f\n",
              AClients, latencies.size(), failures, latencies.size() / elapsed,
              latencies[std::min(latencies.size() - 1, std::size_t(0.99 * latencies.size()))],
              latencies.back());
  return 0;
}

int Hold(uint16_t APort, int ACount) {
  std::vector<platform::TSocket> held;
  for (int i = 0; i < ACount; ++i) held.push_back(platform::TSocket::Connect("127.0.0.1", APort));
  std::this_thread::sleep_for(std::chrono::seconds(2));
  int refused = 0;
  for (auto& s : held) {
    if (s.WaitReadable(0)) {
      char c;
      if (s.Receive(&c, 1) == 0) {
        refused++;
        s.Close();
      }
    }
  }
  std::printf("held=%d refused_without_a_byte=%d\n", ACount - refused, refused);
  std::fflush(stdout);
  std::string line;
  std::getline(std::cin, line);  // the caller measures the server meanwhile
  int served = 0;
  for (auto& s : held) {
    if (!s.IsOpen()) continue;
    s.SendAll("getVersion\n", 11);
    char buf[64];
    std::size_t n = s.Receive(buf, sizeof buf);
    if (n > 0 && std::string(buf, n).starts_with("2.0.0.56")) served++;
  }
  std::printf("served=%d\n", served);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.size() == 5 && a[0] == "run") {
    return Run(static_cast<uint16_t>(std::stoi(a[1])), Unescape(a[2]), std::stoi(a[3]),
               std::stod(a[4]));
  }
  if (a.size() == 5 && a[0] == "burst") {
    return Burst(static_cast<uint16_t>(std::stoi(a[1])), Unescape(a[2]), std::stoi(a[3]),
                 std::stoi(a[4]));
  }
  if (a.size() == 3 && a[0] == "hold")
    return Hold(static_cast<uint16_t>(std::stoi(a[1])), std::stoi(a[2]));
  std::fprintf(stderr,
               "usage: loadgen run PORT REQUEST CONCURRENCY SECONDS | loadgen burst PORT REQUEST "
               "CLIENTS ROUNDS | loadgen hold PORT COUNT\n");
  return 2;
}
