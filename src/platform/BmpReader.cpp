#include "platform/BmpReader.h"

// TODO(pictures): placeholder.
namespace BmpReader {
bool looksLikeBmp(const QByteArray&) { return false; }
std::optional<DecodedBmp> decode(const QByteArray&) { return std::nullopt; }
} // namespace BmpReader
