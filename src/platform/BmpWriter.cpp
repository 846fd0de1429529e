#include "platform/BmpWriter.h"

// TODO(pictures): placeholder.
namespace BmpWriter {
QByteArray encode(const QImage&, int, quint32) { return {}; }
} // namespace BmpWriter
