// The WAV header reader behind Sound's length, apart from the audio code so
// that it can be fuzzed on its own.

#include "Sound.h"

#include <QByteArray>
#include <QtEndian>

#include <algorithm>

namespace fw {

namespace {

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

} // namespace

qint64 wavLengthMs(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        const char* chunk = data.constData() + pos;
        const quint32 size = le32(chunk + 4);
        if (QByteArray(chunk, 4) == "fmt " && size >= 16 && pos + 8 + 16 <= data.size()) {
            if (le16(chunk + 8) != 1)
                return -1; // not PCM
            byteRate = le32(chunk + 16);
        } else if (QByteArray(chunk, 4) == "data") {
            if (byteRate == 0)
                return -1;
            const qint64 available = std::min<qint64>(size, data.size() - pos - 8);
            return available * 1000 / byteRate;
        }
        pos += 8 + qint64(size) + (size & 1);
    }
    return -1;
}

} // namespace fw
