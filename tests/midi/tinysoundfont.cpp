// SPDX-License-Identifier: GPL-3.0-or-later
#include "tinysoundfont.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace staverly::test {

QByteArray tinySoundFont(bool compressed, int frames)
{
    const int LoopStart = 1000, LoopEnd = frames - 25;
    std::vector<short> sine(frames);
    for (int i = 0; i < frames; ++i)
        sine[std::size_t(i)] = short(12000 * std::sin(2 * M_PI * 441.0 * i / 44100.0));
    QByteArray smpl;
    if (compressed) {
        struct Out
        {
            QByteArray bytes;
            sf_count_t at = 0;
        } out;
        SF_VIRTUAL_IO io{[](void *o) -> sf_count_t { return static_cast<Out *>(o)->bytes.size(); },
                         [](sf_count_t offset, int whence, void *o) -> sf_count_t {
                             auto *m = static_cast<Out *>(o);
                             m->at = (whence == SEEK_CUR ? m->at : whence == SEEK_END ? m->bytes.size() : 0) + offset;
                             return m->at;
                         },
                         [](void *, sf_count_t, void *) -> sf_count_t { return 0; },
                         [](const void *from, sf_count_t count, void *o) -> sf_count_t {
                             auto *m = static_cast<Out *>(o);
                             if (m->bytes.size() < m->at + count)
                                 m->bytes.resize(m->at + count);
                             std::memcpy(m->bytes.data() + m->at, from, std::size_t(count));
                             m->at += count;
                             return count;
                         },
                         [](void *o) -> sf_count_t { return static_cast<Out *>(o)->at; }};
        SF_INFO info{0, 44100, 1, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0, 0};
        SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &out);
        // libvorbis takes a long write on its stack: a few thousand frames at a time.
        for (int at = 0; at < frames; at += 4096)
            sf_writef_short(file, sine.data() + at, std::min(4096, frames - at));
        sf_close(file);
        smpl = out.bytes;
    } else {
        sine.resize(frames + 46, 0);
        smpl = QByteArray(reinterpret_cast<const char *>(sine.data()), qsizetype(sine.size() * 2));
    }
    // The sample does not start the sample data, as no real one but the first does.
    const int lead = compressed ? 10 : 64;
    smpl.prepend(QByteArray(compressed ? lead : 2 * lead, 0));
    const int start = lead, end = lead + (compressed ? int(smpl.size()) - lead : frames);
    const int loopShift = compressed ? 0 : lead;
    auto u16 = [](int v) { QByteArray b(2, 0); qToLittleEndian<quint16>(quint16(v), b.data()); return b; };
    auto u32 = [](qint64 v) { QByteArray b(4, 0); qToLittleEndian<quint32>(quint32(v), b.data()); return b; };
    auto name = [](const char *n) { QByteArray b(n); b.resize(20, 0); return b; };
    auto chunk = [&](const char *id, const QByteArray &body) { return QByteArray(id) + u32(body.size()) + body; };
    auto list = [&](const char *kind, const QByteArray &body) { return chunk("LIST", kind + body); };
    auto gen = [&](int id, int amount) { return u16(id) + u16(amount); };
    const QByteArray info = chunk("ifil", u16(compressed ? 3 : 2) + u16(1)) + chunk("INAM", "Tiny");
    const QByteArray pdta =
        chunk("phdr", name("Sine") + u16(0) + u16(0) + u16(0) + u32(0) + u32(0) + u32(0) + name("EOP") + u16(0)
                          + u16(0) + u16(1) + u32(0) + u32(0) + u32(0))
        + chunk("pbag", u16(0) + u16(0) + u16(1) + u16(0)) + chunk("pmod", QByteArray(10, 0))
        + chunk("pgen", gen(41, 0) + gen(0, 0)) + chunk("inst", name("Sine") + u16(0) + name("EOI") + u16(1))
        + chunk("ibag", u16(0) + u16(0) + u16(3) + u16(0)) + chunk("imod", QByteArray(10, 0))
        + chunk("igen", gen(43, 127 << 8) + gen(54, 1) + gen(53, 0) + gen(0, 0))
        + chunk("shdr", name("Sine") + u32(start) + u32(end) + u32(LoopStart + loopShift)
                            + u32(LoopEnd + loopShift) + u32(44100) + QByteArray(1, char(69))
                            + QByteArray(1, 0) + u16(0) + u16(compressed ? 0x11 : 1) + name("EOS")
                            + QByteArray(26, 0));
    const QByteArray body = "sfbk" + list("INFO", info) + list("sdta", chunk("smpl", smpl)) + list("pdta", pdta);
    return "RIFF" + u32(body.size()) + body;
}

} // namespace staverly::test
