// Tells whether a file is a wave file Qt's sound effects can load: RIFF/WAVE,
// uncompressed 8- or 16-bit PCM, and a data chunk that is really there. Qt's
// loader waits for ever on a file cut short, and destroying an effect that
// waits blocks the program, so nothing else is ever handed to it.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace brinox {

// head: the first bytes of the file (the header and the chunks before the
// samples); fileSize: the whole file's size in bytes.
bool IsPlayableWave(QByteArrayView head, qint64 fileSize);
// Reads the head of the file at path and checks it.
bool IsPlayableWaveFile(const QString& path);

} // namespace brinox
