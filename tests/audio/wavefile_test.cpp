// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavefile.h"

#include <gtest/gtest.h>

using namespace staverly;

TEST(WaveFile, BuildThenParseKeepsFormatAndSamples)
{
    const QByteArray samples(9981, '\x80');
    const QByteArray image = WaveFile::build(1, 11025, 8, samples);
    EXPECT_EQ(image.size(), 44 + 9981 + 1); // odd data is padded to a word
    const auto wave = WaveFile::parse(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 11025);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->samples, samples);
}

TEST(WaveFile, RejectsWhatIsNotPcmWave)
{
    EXPECT_FALSE(WaveFile::parse(QByteArray()));
    EXPECT_FALSE(WaveFile::parse(QByteArray("RIFF\0\0\0\0AVI ", 12)));
    QByteArray truncated = WaveFile::build(2, 22050, 16, QByteArray(400, '\0'));
    truncated.chop(100);
    EXPECT_FALSE(WaveFile::parse(truncated));
    QByteArray compressed = WaveFile::build(2, 22050, 16, QByteArray(4, '\0'));
    compressed[20] = 2; // ADPCM
    EXPECT_FALSE(WaveFile::parse(compressed));
}
