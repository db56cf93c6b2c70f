// Bytes between two threads must arrive whole and in order, and a reader
// that stops reading must never leave the writer waiting for good.
#include "platform/byte_stream.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace zor {
namespace {

std::string read_all(ByteStream& stream, size_t count) {
  std::string bytes, slice(count, '\0');
  for (size_t got; (got = stream.read(slice.data(), count)) > 0;) bytes.append(slice, 0, got);
  return bytes;
}

TEST(ByteStream, CarriesEveryByteInOrderWhateverThePieces) {
  std::string bytes;
  for (int k = 0; k < 300000; ++k) bytes += static_cast<char>(k * 7 % 251);
  for (size_t held : {size_t{1}, size_t{100}, size_t{16} << 20}) {
    ByteStream stream(held);
    std::thread writer([&] {
      std::string block;
      for (size_t at = 0, piece = 1; at < bytes.size(); at += piece, piece = piece * 3 % 70001 + 1) {
        if (piece % 2 == 0) {
          stream.write(bytes.substr(at, piece));
        } else {
          // A passed block comes back empty.
          EXPECT_TRUE(block.empty());
          block.assign(bytes.substr(at, piece));
          stream.pass(block);
        }
      }
      stream.close();
    });
    EXPECT_EQ(read_all(stream, 4099), bytes) << "holding " << held;
    writer.join();
    EXPECT_TRUE(stream.whole());
    // At the end a read gives nothing, and waits for nothing.
    char byte = 0;
    EXPECT_EQ(stream.read(&byte, 1), 0u);
  }
}

TEST(ByteStream, AReaderThatFallsBehindIsGivenUp) {
  ByteStream stream(1000, std::chrono::milliseconds(20));
  const std::string piece(1 << 20, 'x');
  // No one reads: each hand-over past the first waits its patience once,
  // then nothing waits.
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < 50; ++k) stream.write(piece);
  stream.close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_FALSE(stream.whole());
  // The reader finds an end, not every byte.
  EXPECT_LT(read_all(stream, 1 << 16).size(), 50 * piece.size());
}

TEST(ByteStream, AbandonedStreamLetsBothSidesGoOn) {
  ByteStream stream(10);
  std::thread reader([&] {
    char bytes[4];
    EXPECT_EQ(stream.read(bytes, 4), 4u);
    stream.abandon();
  });
  for (int k = 0; k < 100; ++k) stream.write(std::string(1 << 20, 'y'));
  reader.join();
  stream.close();
  EXPECT_FALSE(stream.whole());
}

}  // namespace
}  // namespace zor
