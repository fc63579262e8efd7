#include "service/net/connection.h"

#include <gtest/gtest.h>

#include <thread>

namespace service {
namespace {

constexpr std::size_t kMax = 1048576;

// A connection over one end of a socket pair; the test writes to the other.
struct Pair {
  Pair() {
    auto [a, b] = platform::TSocket::ConnectedPair();
    Peer = std::move(a);
    Conn = std::make_unique<TConnection>(std::move(b), "127.0.0.1");
  }
  void Send(const std::string& AData) { Peer.SendAll(AData.data(), AData.size()); }
  void SendAndClose(const std::string& AData) {
    Send(AData);
    Peer.Close();
  }
  // Sends from a second thread so lines larger than the socket buffers fit.
  std::string ReadLineWhileSending(const std::string& AData) {
    std::thread writer([&] {
      try {
        Send(AData);
      } catch (...) {
      }
      Peer.Close();
    });
    std::string line;
    std::exception_ptr error;
    try {
      line = Conn->ReadLine("\n", kMax, TTextEncoding::Utf8);
    } catch (...) {
      error = std::current_exception();
    }
    Conn->Disconnect();  // unblocks the writer if the reader gave up early
    writer.join();
    if (error) std::rethrow_exception(error);
    return line;
  }
  platform::TSocket Peer;
  std::unique_ptr<TConnection> Conn;
};

std::string ReadError(std::function<void()> AFn) {
  try {
    AFn();
  } catch (const EConnectionError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ConnectionReadLine, LineEndsAndBufferedRest) {
  Pair p;
  p.SendAndClose("one\r\ntwo\nthree\r\r\n\r\nlast-without-lf");
  auto read = [&] { return p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8); };
  EXPECT_EQ(read(), "one");
  EXPECT_EQ(read(), "two");
  EXPECT_EQ(read(), "three\r");  // only the CR right before the LF is dropped
  EXPECT_EQ(read(), "");
  EXPECT_EQ(ReadError(read), kConnectionClosedGracefully);  // buffered bytes without LF
}

TEST(ConnectionReadLine, LengthLimitIsExactlyTheMaximumBeforeTheLf) {
  Pair ok;
  EXPECT_EQ(ok.ReadLineWhileSending(std::string(kMax, 'x') + "\n").size(), kMax);
  Pair crlf;  // a final CR counts towards the limit
  EXPECT_EQ(crlf.ReadLineWhileSending(std::string(kMax - 1, 'x') + "\r\n").size(), kMax - 1);
  Pair over;
  EXPECT_EQ(ReadError([&] { over.ReadLineWhileSending(std::string(kMax + 1, 'x') + "\n"); }),
            kMaxLineLengthExceeded);
  Pair endless;  // never an LF: ends as soon as the limit is passed, without buffering more
  EXPECT_EQ(ReadError([&] { endless.ReadLineWhileSending(std::string(8 * kMax, 'x')); }),
            kMaxLineLengthExceeded);
}

TEST(ConnectionReadLine, LineArrivingInPiecesIsAssembled) {
  Pair p;
  std::thread writer([&] {
    for (int i = 0; i < 200; ++i) p.Send("abcde");
    p.Send("\n");
  });
  EXPECT_EQ(p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8).size(), 1000u);
  writer.join();
}

TEST(ConnectionReadLine, LinesAroundTheInitialBufferKeepEveryByte) {
  // Short and long lines in one stream: the rest of a short line's read moves
  // to the front, a long one outgrows the first buffer, and the lines after
  // it are read from what is left.
  const std::size_t initial = TConnection::InitialBufferSize;
  std::string stream, expected[6];
  const std::size_t lengths[] = {3, initial - 4, initial, initial + 1, 3 * initial + 5, 0};
  for (int i = 0; i < 6; ++i) {
    for (std::size_t j = 0; j < lengths[i]; ++j)
      expected[i] += static_cast<char>('a' + (i + j) % 26);
    stream += expected[i] + (i % 2 == 0 ? "\n" : "\r\n");
  }
  Pair p;
  std::thread writer([&] {
    for (std::size_t at = 0; at < stream.size(); at += 1000) p.Send(stream.substr(at, 1000));
    p.Peer.Close();
  });
  for (const auto& line : expected)
    EXPECT_EQ(p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8), line);
  EXPECT_EQ(ReadError([&] { p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8); }),
            kConnectionClosedGracefully);
  writer.join();
}

TEST(ConnectionReadLine, InvalidUtf8IsReplaced) {
  Pair p;
  p.SendAndClose(
      "a\xFF"
      "b\n");
  EXPECT_EQ(p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(Connection, InterruptWakesABlockedReaderAndDisconnectIsIdempotent) {
  Pair p;
  std::thread reader([&] {
    EXPECT_EQ(ReadError([&] { p.Conn->ReadLine("\n", kMax, TTextEncoding::Utf8); }),
              kConnectionClosedGracefully);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  p.Conn->Interrupt();
  reader.join();
  EXPECT_TRUE(p.Conn->Connected());
  p.Conn->Disconnect();
  p.Conn->Disconnect();
  EXPECT_FALSE(p.Conn->Connected());
  EXPECT_NE(ReadError([&] { p.Conn->WriteLine("x"); }), "no error");
}

TEST(Connection, WriteLineAppendsCrLfInTheGivenEncoding) {
  Pair p;
  p.Conn->WriteLine(
      "gr\xC3\xBC\xC3\x9F"
      "e");
  p.Conn->WriteLine(
      "gr\xC3\xBC\xC3\x9F"
      "e",
      TTextEncoding::Utf8);
  p.Conn->Disconnect();
  std::string got;
  char buf[256];
  for (std::size_t n; (n = p.Peer.Receive(buf, sizeof buf)) > 0;) got.append(buf, n);
  EXPECT_EQ(got,
            "gr??e\r\ngr\xC3\xBC\xC3\x9F"
            "e\r\n");
}

}  // namespace
}  // namespace service
