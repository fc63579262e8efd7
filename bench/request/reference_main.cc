// reference_server PORT [BACKLOG]: the benchmarks' reference server (see
// reference_server.h) on PORT until standard input closes. BACKLOG defaults
// to the system's maximum, as the service listens.
#include <sys/socket.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "bench/request/reference_server.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: reference_server PORT [BACKLOG]\n");
    return 2;
  }
  const int backlog = argc == 3 ? std::stoi(argv[2]) : SOMAXCONN;
  bench::TReferenceServer server(static_cast<uint16_t>(std::stoi(argv[1])), backlog);
  std::printf("listening\n");
  std::fflush(stdout);
  for (std::string line; std::getline(std::cin, line);) {
  }
  return 0;
}
