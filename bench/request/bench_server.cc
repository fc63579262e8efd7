// bench_server PORT: the service's listener and request handlers on PORT,
// without the service machinery, until standard input closes.
// BENCH_LISTEN_QUEUE=N listens with a backlog of N instead of the system's
// longest (the benchmark shows the backlog of 15 the listener once had).
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "service/quillory_svr.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_server PORT\n");
    return 2;
  }
  service::TQuillorySvr svr;
  if (const char* queue = std::getenv("BENCH_LISTEN_QUEUE"))
    svr.Server.ListenQueue = std::atoi(queue);
  svr.Server.DefaultPort = static_cast<uint16_t>(std::stoi(argv[1]));
  svr.Server.SetActive(true);
  std::printf("listening\n");
  std::fflush(stdout);
  for (std::string line; std::getline(std::cin, line);) {
  }
  svr.Server.SetActive(false);
  return 0;
}
