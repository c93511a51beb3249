#include "answerhistory.h"

#include <QDir>
#include <QStandardPaths>

namespace staverly {

struct AnswerHistory::Store
{
    std::vector<AnswerEvent> answers;
};

QString AnswerHistory::standardPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("history.sqlite"));
}

AnswerHistory::AnswerHistory(const QString &, QObject *parent)
    : QObject(parent)
    , m_store(std::make_unique<Store>())
{
}

AnswerHistory::~AnswerHistory() = default;

void AnswerHistory::record(const AnswerEvent &answer)
{
    m_store->answers.push_back(answer);
}

QString AnswerHistory::problem() const { return {}; }
bool AnswerHistory::persistent() const { return false; }
QStringList AnswerHistory::players() const { return {}; }
std::vector<AnswerHistory::ScorePoint> AnswerHistory::scores(const QString &, Period) const { return {}; }
std::vector<AnswerHistory::NoteStat> AnswerHistory::noteStats(const QString &, qint16) const { return {}; }
std::vector<AnswerHistory::Confusion> AnswerHistory::confusions(const QString &, int) const { return {}; }
bool AnswerHistory::exportCsv(const QString &, QIODevice &) const { return true; }
std::map<int, double> AnswerHistory::weights(const QString &, qint16) const { return {}; }

} // namespace staverly
