#include "WaveCheck.h"

#include <QFile>

namespace brinox {
namespace {

// Chunks before the samples are small; a file whose data chunk starts later
// than this is not one of ours.
constexpr qint64 kMaxHead = 64 * 1024;

quint32 U32(QByteArrayView bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    }
    return value;
}

quint16 U16(QByteArrayView bytes, qsizetype at) {
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) |
                                (static_cast<quint8>(bytes[at + 1]) << 8));
}

bool FormatIsPcm(QByteArrayView fmt) {
    const quint16 format = U16(fmt, 0);
    const quint16 channels = U16(fmt, 2);
    const quint32 rate = U32(fmt, 4);
    const quint16 bits = U16(fmt, 14);
    return format == 1 && channels >= 1 && rate > 0 && (bits == 8 || bits == 16);
}

} // namespace

bool IsPlayableWave(QByteArrayView head, qint64 fileSize) {
    if (head.size() < 12 || head.first(4) != "RIFF" || head.sliced(8, 4) != "WAVE") {
        return false;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= head.size()) {
        const QByteArrayView id = head.sliced(at, 4);
        const qint64 size = U32(head, at + 4);
        const qint64 body = at + 8;
        if (id == "data") {
            return haveFormat && size > 0 && body + size <= fileSize;
        }
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size() || !FormatIsPcm(head.sliced(body, 16))) {
                return false;
            }
            haveFormat = true;
        }
        const qint64 next = body + size + (size & 1); // chunks are padded to even length
        if (next > head.size()) {
            return false;
        }
        at = static_cast<qsizetype>(next);
    }
    return false;
}

bool IsPlayableWaveFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(kMaxHead);
    return IsPlayableWave(head, file.size());
}

} // namespace brinox
