// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessondesktop.h"
#include "lessonengine.h"
#include "lessonrecorder.h"
#include "lessonview.h"
#include "scriptedrandom.h"

#include <QStringList>
#include <deque>
#include <map>
#include <functional>
#include <vector>

namespace staverly::test {

// A lesson engine with everything around it recorded: what the screen was
// told, every wait, box, sound and note, and the lessons kept. Boxes answer
// from a script; a box may run a real nested event loop, so that input the
// test posts arrives while it is up, as it would in front of a pupil.
class LessonRig : public LessonView, public LessonDesktop, public LessonRecorder
{
public:
    struct Message
    {
        QString text;
        quint32 colour;
    };
    struct Box
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    LessonRig();

    // A lesson in the usual state after start-up: treble, white keys 8..15,
    // `questions` questions, clues and sound on, timer off.
    void prepare(qint16 questions = 5);
    // The next question draws white key (or MIDI note) `note` of the range.
    void nextNoteIs(int note);
    void nextWordIs(int index) { random.pick(index, 20); }
    // Queues the answer to the next box. With `whileShown` the box runs an
    // event loop, as a person's box does: what whileShown posts arrives there.
    void answer(Answer reply, std::function<void()> whileShown = {});
    // Input that arrives at the next event loop and is tagged then.
    void postRelease(int keyIndex);
    void postLetter(QChar letter);
    void postMidi(qint16 status, qint16 data1, qint16 data2, bool active = true);
    // Runs at every sleep of that length (once unless it re-arms itself).
    void atSleep(int milliseconds, std::function<void()> hook);

    void click(int keyIndex);
    int keyOfAnswer() const;
    QStringList texts() const;

    ScriptedRandom random;
    LessonEngine engine;

    std::vector<Message> messages;
    std::vector<Box> boxes;
    std::vector<int> sleeps;
    std::vector<int> sounds;
    std::vector<std::pair<int, int>> notes; // note, velocity
    std::vector<LessonRecord> records;
    std::vector<int> progress;
    std::vector<int> shownPictures;
    std::vector<int> focused;
    std::vector<int> cluedKeys;
    QString pictureTip;
    QStringList announced;
    qint16 counters[4] = {};
    int wipes = 0;
    int beeps = 0;
    int flashes = 0;
    int staleDrops = 0;
    bool active = true;

    // LessonView
    void showMessage(const QString &text) override;
    void showMessage(const QString &text, quint32 colour) override;
    void showCounter(Counter counter, qint16 value) override;
    void showProgress(int value) override { progress.push_back(value); }
    void setProgressMaximum(int) override {}
    void wipePicture() override;
    void showPicture(int midi, qint16) override { shownPictures.push_back(midi); }
    void setPictureTip(const QString &tip) override { pictureTip = tip; }
    void focusKey(int index) override { focused.push_back(index); }
    void setKeyDown(int, bool) override {}
    void markClueKey(int index, bool on) override;
    void showClef(qint16) override {}
    void setBusy(bool) override {}
    void announce(const QString &text) override { announced << text; }
    bool isActive() const override { return active; }

    // LessonDesktop
    Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    void sleep(int milliseconds) override;
    void processEvents() override;
    void beep() override { ++beeps; }
    void flashWindow() override { ++flashes; }
    void playWave(qint16 n) override { sounds.push_back(n); }
    void noteOn(qint16 note) override { notes.emplace_back(note, 127); }
    void noteOff(qint16 note) override { notes.emplace_back(note, 0); }
    void dropStaleMidiMessage() override { ++staleDrops; }

    // LessonRecorder
    void recordLesson(const LessonRecord &record) override { records.push_back(record); }
    void recordAnswer(const AnswerEvent &answer) override { answers.push_back(answer); }
    std::map<int, double> noteWeights(const QString &, qint16) override
    {
        ++weightQueries;
        return weights;
    }

    std::vector<AnswerEvent> answers;
    std::map<int, double> weights;
    int weightQueries = 0;

private:
    struct Reply
    {
        Answer answer;
        std::function<void()> whileShown;
    };
    std::deque<Reply> m_replies;
    std::vector<std::pair<int, std::function<void()>>> m_sleepHooks;
};

} // namespace staverly::test
