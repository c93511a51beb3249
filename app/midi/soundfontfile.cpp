// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundfontfile.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace staverly {

namespace {

constexpr int MaxModulators = 64;

// Generators a zone may not hold: unused and reserved ones everywhere, and
// at preset level those that only make sense for one sample.
bool validGenerator(int id, bool preset)
{
    static constexpr int unused[] = {14, 18, 19, 20, 42, 49, 55};
    static constexpr int sampleOnly[] = {0, 1, 2, 3, 4, 12, 45, 46, 47, 50, 54, 57, 58};
    if (id < 0 || id >= SoundFontFile::Generators || std::find(std::begin(unused), std::end(unused), id) != std::end(unused))
        return false;
    return !preset || std::find(std::begin(sampleOnly), std::end(sampleOnly), id) == std::end(sampleOnly);
}

// A modulator source that can never move, or that MIDI gives no meaning.
bool validSource(std::uint16_t source, bool primary)
{
    const int index = source & 0x7F;
    if (source & 0x80) {
        return index != 0 && index != 6 && index != 32 && index != 38 && (index < 98 || index > 101)
               && index < 120;
    }
    static constexpr int general[] = {0, 2, 3, 10, 13, 14, 16};
    if (std::find(std::begin(general), std::end(general), index) == std::end(general))
        return false;
    if (index == 0)
        return primary ? false : !(source & 0x200);
    return true;
}

class Reader
{
public:
    explicit Reader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    qsizetype size() const { return m_bytes.size(); }
    std::uint8_t u8(qsizetype at) const { return std::uint8_t(m_bytes[at]); }
    std::uint16_t u16(qsizetype at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    std::uint32_t u32(qsizetype at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }
    QByteArray id(qsizetype at) const { return m_bytes.mid(at, 4); }
    QString name(qsizetype at) const
    {
        const QByteArray raw = m_bytes.mid(at, 20);
        return QString::fromLatin1(raw.left(raw.indexOf('\0') < 0 ? 20 : raw.indexOf('\0'))).trimmed();
    }

private:
    QByteArray m_bytes;
};

struct Table
{
    qsizetype at = -1;
    qsizetype count = 0;
};

class Body
{
public:
    Body(const Reader &data, const std::array<Table, 9> &tables) : m_data(data), m_tables(tables) {}

    enum Which { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr };

    const Table &table(Which which) const { return m_tables[which]; }

    // The zones of bags first to last (exclusive), the first without a
    // target being the global zone.
    bool zones(int first, int last, bool preset, int targets, std::optional<SoundFontFile::Zone> &global,
               std::vector<SoundFontFile::Zone> &zones) const
    {
        const Table &bags = table(preset ? Pbag : Ibag);
        const Table &gens = table(preset ? Pgen : Igen);
        const Table &mods = table(preset ? Pmod : Imod);
        if (first > last || last >= bags.count)
            return false;
        for (int bag = first; bag < last; ++bag) {
            const qsizetype here = bags.at + 4 * qsizetype(bag);
            const int genFirst = m_data.u16(here), genLast = m_data.u16(here + 4);
            const int modFirst = m_data.u16(here + 2), modLast = m_data.u16(here + 6);
            if (genFirst > genLast || genLast > gens.count || modFirst > modLast || modLast > mods.count)
                return false;
            SoundFontFile::Zone zone;
            readGenerators(zone, gens.at, genFirst, genLast, preset);
            readModulators(zone, mods.at, modFirst, modLast);
            if (zone.target < 0) {
                if (bag == first)
                    global = std::move(zone);
            } else if (zone.target < targets) {
                zones.push_back(std::move(zone));
            }
        }
        return true;
    }

private:
    void readGenerators(SoundFontFile::Zone &zone, qsizetype at, int first, int last, bool preset) const
    {
        // Ranges count only at the head of a zone; what follows its
        // instrument or sample is not part of it.
        int stage = 0;
        for (int i = first; i < last && stage < 3; ++i) {
            const qsizetype here = at + 4 * qsizetype(i);
            const int id = m_data.u16(here);
            if (id == SoundFontFile::GenKeyRange) {
                if (stage == 0) {
                    zone.keyLow = m_data.u8(here + 2);
                    zone.keyHigh = m_data.u8(here + 3);
                    stage = 1;
                }
            } else if (id == SoundFontFile::GenVelocityRange) {
                if (stage <= 1) {
                    zone.velocityLow = m_data.u8(here + 2);
                    zone.velocityHigh = m_data.u8(here + 3);
                    stage = 2;
                }
            } else if (id == (preset ? SoundFontFile::GenInstrument : SoundFontFile::GenSampleId)) {
                zone.target = m_data.u16(here + 2);
                stage = 3;
            } else {
                if (validGenerator(id, preset)) {
                    zone.amounts[std::size_t(id)] = std::int16_t(m_data.u16(here + 2));
                    zone.set.set(std::size_t(id));
                }
                stage = 2;
            }
        }
    }

    void readModulators(SoundFontFile::Zone &zone, qsizetype at, int first, int last) const
    {
        for (int i = first; i < last; ++i) {
            const qsizetype here = at + 10 * qsizetype(i);
            SoundFontFile::Modulator mod{m_data.u16(here), m_data.u16(here + 2), std::int16_t(m_data.u16(here + 4)),
                                         m_data.u16(here + 6), m_data.u16(here + 8)};
            if (mod.destination >= SoundFontFile::Generators || !validSource(mod.source, true)
                || !validSource(mod.amountSource, false))
                continue;
            // Curves this synthesizer does not know, and transforms other
            // than the linear one, leave the modulator without effect.
            if ((mod.source >> 10) > 3 || (mod.amountSource >> 10) > 3 || mod.transform != 0)
                mod.amount = 0;
            zone.modulators.push_back(mod);
        }
        // Of identical modulators the last one counts.
        auto &mods = zone.modulators;
        for (std::size_t i = 0; i < mods.size();) {
            const bool later = std::any_of(mods.begin() + std::ptrdiff_t(i) + 1, mods.end(),
                                           [&](const auto &m) { return m.sameAs(mods[i]); });
            if (later)
                mods.erase(mods.begin() + std::ptrdiff_t(i));
            else
                ++i;
        }
        if (mods.size() > std::size_t(MaxModulators))
            mods.resize(MaxModulators);
    }

    const Reader &m_data;
    std::array<Table, 9> m_tables;
};

} // namespace

std::optional<SoundFontFile> SoundFontFile::read(const QString &path, QString *error)
{
    auto fail = [&](const char *why) {
        if (error)
            *error = QString::fromLatin1(why);
        return std::optional<SoundFontFile>();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail("cannot be opened");
    const Reader head(file.read(12));
    if (head.size() < 12 || head.id(0) != "RIFF" || head.id(8) != "sfbk")
        return fail("is not a SoundFont");

    SoundFontFile font;
    font.path = path;
    QByteArray pdta;
    qint64 at = 12;
    const qint64 end = file.size();
    while (at + 12 <= end) {
        if (!file.seek(at))
            return fail("cannot be read");
        Reader chunk(file.read(12));
        if (chunk.size() < 12)
            return fail("is cut short");
        // Some writers leave out the pad byte after an odd chunk.
        if (chunk.id(0) != "LIST" && (at & 1)) {
            ++at;
            continue;
        }
        if (chunk.id(0) != "LIST")
            return fail("is not a SoundFont");
        const qint64 size = chunk.u32(4);
        if (size < 4 || at + 8 + size > end)
            return fail("is cut short");
        const QByteArray kind = chunk.id(8);
        if (kind == "INFO") {
            const Reader info(file.read(size - 4));
            for (qsizetype i = 0; i + 8 <= info.size();) {
                const qsizetype length = info.u32(i + 4);
                if (info.id(i) == "ifil" && length >= 4 && i + 12 <= info.size())
                    font.majorVersion = info.u16(i + 8);
                i += 8 + length + (length & 1);
            }
        } else if (kind == "sdta") {
            for (qint64 i = at + 12; i + 8 <= at + 8 + size;) {
                if (!file.seek(i))
                    return fail("cannot be read");
                const Reader sub(file.read(8));
                if (sub.size() < 8)
                    return fail("is cut short");
                const qint64 length = sub.u32(4);
                if (sub.id(0) == "smpl") {
                    font.sampleOffset = i + 8;
                    font.sampleBytes = std::min(length, end - (i + 8));
                }
                i += 8 + length;
            }
        } else if (kind == "pdta") {
            pdta = file.read(size - 4);
            if (pdta.size() != size - 4)
                return fail("is cut short");
        }
        at += 8 + size;
    }
    if (pdta.isEmpty())
        return fail("holds no instruments");
    if (font.majorVersion != 2 && font.majorVersion != 3)
        return fail("is of a SoundFont version this program cannot play");

    const Reader data(pdta);
    static const char *const names[] = {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
    static constexpr int sizes[] = {38, 4, 10, 4, 22, 4, 10, 4, 46};
    std::array<Table, 9> tables;
    for (qsizetype i = 0; i + 8 <= data.size();) {
        const qsizetype length = data.u32(i + 4);
        if (i + 8 + length > data.size())
            return fail("is cut short");
        for (int t = 0; t < 9; ++t) {
            if (data.id(i) == names[t] && length % sizes[t] == 0)
                tables[std::size_t(t)] = {i + 8, length / sizes[t]};
        }
        i += 8 + length;
    }
    // Every list ends in a terminal record.
    for (const Table &table : tables) {
        if (table.at < 0 || table.count < 1)
            return fail("holds no instruments");
    }
    const Body body(data, tables);

    const Table &shdr = body.table(Body::Shdr);
    for (qsizetype i = 0; i + 1 < shdr.count; ++i) {
        const qsizetype here = shdr.at + 46 * i;
        Sample sample;
        sample.start = data.u32(here + 20);
        sample.end = data.u32(here + 24);
        sample.loopStart = data.u32(here + 28);
        sample.loopEnd = data.u32(here + 32);
        sample.rate = data.u32(here + 36);
        sample.pitch = data.u8(here + 40);
        sample.correction = std::int8_t(data.u8(here + 41));
        sample.type = data.u16(here + 44);
        // SF3 keeps byte offsets into the Ogg data, SF2 word offsets.
        const qint64 limit = sample.compressed() ? font.sampleBytes : font.sampleBytes / 2;
        const bool playable = !sample.inRom() && sample.start < sample.end && qint64(sample.end) <= limit
                              && (sample.compressed() == (font.majorVersion == 3) || !sample.compressed());
        if (!playable)
            sample.type |= 0x8000;
        font.samples.push_back(sample);
    }

    const Table &inst = body.table(Body::Inst);
    for (qsizetype i = 0; i + 1 < inst.count; ++i) {
        Instrument instrument;
        const int first = data.u16(inst.at + 22 * i + 20), last = data.u16(inst.at + 22 * (i + 1) + 20);
        if (!body.zones(first, last, false, int(font.samples.size()), instrument.global, instrument.zones))
            return fail("has a broken instrument list");
        std::erase_if(instrument.zones, [&](const Zone &z) { return font.samples[std::size_t(z.target)].inRom(); });
        font.instruments.push_back(std::move(instrument));
    }

    const Table &phdr = body.table(Body::Phdr);
    for (qsizetype i = 0; i + 1 < phdr.count; ++i) {
        const qsizetype here = phdr.at + 38 * i;
        Preset preset;
        preset.name = data.name(here);
        preset.number = data.u16(here + 20);
        preset.bank = data.u16(here + 22);
        const int first = data.u16(here + 24), last = data.u16(here + 38 + 24);
        if (!body.zones(first, last, true, int(font.instruments.size()), preset.global, preset.zones))
            return fail("has a broken preset list");
        font.presets.push_back(std::move(preset));
    }
    return font;
}

} // namespace staverly
