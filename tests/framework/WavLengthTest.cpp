#include "framework/Clock.h"
#include "framework/Sound.h"

#include <QByteArray>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body, quint32 declaredSize)
{
    QByteArray bytes(id, 4);
    bytes += le32(declaredSize);
    bytes += body;
    if (body.size() % 2 == 1)
        bytes += '\0';
    return bytes;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    return chunk(id, body, static_cast<quint32>(body.size()));
}

// A format chunk of mono 16-bit sound, by default at 8000 frames a second:
// 16000 bytes a second.
QByteArray format(quint16 tag = 1, quint32 rate = 8000)
{
    return chunk("fmt ", le16(tag) + le16(1) + le32(rate) + le32(rate * 2) + le16(2) + le16(16));
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

// Half a second of silence.
const QByteArray kHalfSecond(8000, '\0');

} // namespace

TEST(WavLength, ReadsTheLengthOfAWellFormedFileAtItsOwnRate)
{
    const struct {
        quint32 rate;
        int bytes;
        qint64 ms;
    } cases[] = {{8000, 8000, 500}, {22050, 44100, 1000}, {44100, 8820, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        const QByteArray data = chunk("data", QByteArray(c.bytes, '\0'));
        EXPECT_EQ(fw::wavLengthMs(riff(format(1, c.rate) + data)), c.ms);
    }
}

TEST(WavLength, SkipsChunksItDoesNotKnowIncludingOddSizedOnes)
{
    const QByteArray list = chunk("LIST", QByteArray(5, 'x'));
    EXPECT_EQ(fw::wavLengthMs(riff(list + format() + list + chunk("data", kHalfSecond))), 500);
}

TEST(WavLength, DamagedFilesGiveNoLength)
{
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"shorter than the header", QByteArray("RIFF\x10\0\0", 7)},
        {"the tag alone", QByteArray("RIFF")},
        {"text", QByteArray("not a wav at all, not at all")},
        {"header only", riff(QByteArray())},
        {"not RIFF", "RIFX" + riff(format() + chunk("data", kHalfSecond)).mid(4)},
        {"not WAVE", riff(format() + chunk("data", kHalfSecond)).replace("WAVE", "AVI ")},
        {"not PCM", riff(format(3) + chunk("data", kHalfSecond))},
        {"extensible format", riff(format(0xFFFE) + chunk("data", kHalfSecond))},
        {"no format chunk", riff(chunk("data", kHalfSecond))},
        {"data before format", riff(chunk("data", kHalfSecond) + format())},
        {"format chunk cut short", riff(format().left(20))},
        {"format chunk too small",
         riff(chunk("fmt ", le16(1) + le16(1)) + chunk("data", kHalfSecond))},
        {"no data chunk", riff(format())},
        {"chunk header cut short", riff(format() + "da")},
        {"zero byte rate",
         riff(chunk("fmt ", le16(1) + le16(1) + le32(8000) + le32(0) + le16(2) + le16(16)) +
              chunk("data", kHalfSecond))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fw::wavLengthMs(c.data), -1);
    }
}

TEST(WavLength, ATruncatedDataChunkGivesTheLengthThatIsThere)
{
    // The data chunk claims a whole second but holds only half of it.
    EXPECT_EQ(fw::wavLengthMs(riff(format() + chunk("data", kHalfSecond, 16000))), 500);
    // A data chunk whose size field says more than any file could hold.
    EXPECT_EQ(fw::wavLengthMs(riff(format() + chunk("data", kHalfSecond, 0xFFFFFFFFu))), 500);
    EXPECT_EQ(fw::wavLengthMs(riff(format() + chunk("data", QByteArray(), 16000))), 0);
}

TEST(WavLength, AChunkSizeNearTheTopOfTheRangeEndsTheSearch)
{
    // A chunk size that wraps the position round to itself once looped for ever.
    for (const quint32 size : {0xFFFFFFF6u, 0xFFFFFFF7u, 0xFFFFFFF8u, 0xFFFFFFF9u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(size);
        const QByteArray data =
            riff(format() + chunk("LIST", QByteArray(8, 'x'), size) + chunk("data", kHalfSecond));
        EXPECT_EQ(fw::wavLengthMs(data), -1);
    }
}

TEST(WavLength, ASoundFromAMissingFileOrOneThatIsNotAWavIsSilentAndNeverPlays)
{
    const fw::ScopedTestClock clock;
    for (const char* path : {":/nowhere.wav", ":/store/TEXT/171.txt"}) {
        SCOPED_TRACE(path);
        fw::Sound sound{QString::fromLatin1(path)};
        EXPECT_EQ(sound.lengthMs(), 0);
        sound.Play();
        EXPECT_FALSE(sound.IsPlaying());
    }
}
