// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressfrm.h"

#include "desktop.h"
#include "dialoghost.h"
#include "htmlfile.h"
#include "lessonengine.h"
#include "pitchname.h"
#include "playerlist.h"
#include "safefile.h"
#include "weaknotemap.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QFileInfo>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

namespace staverly {

namespace {

QString clefName(qint16 clef)
{
    return clef == 0 ? progressFrm::tr("Treble") : progressFrm::tr("Bass");
}

QColor clefColour(qint16 clef)
{
    return clef == 0 ? QColor(0, 0, 128) : QColor(0, 128, 0);
}

} // namespace

progressFrm::progressFrm(DialogHost &host, AnswerHistory &history, QString currentPlayer)
    : QDialog(host.hostWindow())
    , m_host(host)
    , m_history(history)
    , m_currentPlayer(std::move(currentPlayer))
{
    setObjectName(QStringLiteral("progressFrm"));
    setWindowTitle(tr("Progress"));
    resize(760, 620);

    playerCbo = new QComboBox(this);
    playerCbo->setObjectName(QStringLiteral("playerCbo"));
    playerCbo->setToolTip(tr("Choose whose progress to see"));
    periodCbo = new QComboBox(this);
    periodCbo->setObjectName(QStringLiteral("periodCbo"));
    periodCbo->addItems({tr("By day"), tr("By week")});
    auto *playerLbl = new QLabel(tr("&Player:"), this);
    playerLbl->setBuddy(playerCbo);
    auto *periodLbl = new QLabel(tr("&Lessons:"), this);
    periodLbl->setBuddy(periodCbo);
    auto *top = new QHBoxLayout;
    top->addWidget(playerLbl);
    top->addWidget(playerCbo, 1);
    top->addSpacing(20);
    top->addWidget(periodLbl);
    top->addWidget(periodCbo);

    chartView = new QChartView(this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(230);

    auto *mapFrame = new QGroupBox(tr("Notes on the keyboard"), this);
    mapClef = new QButtonGroup(this);
    mapMeasure = new QButtonGroup(this);
    auto *mapOptions = new QHBoxLayout;
    const auto option = [&](QButtonGroup *group, int id, const QString &text, const char *name) {
        auto *button = new QRadioButton(text, mapFrame);
        button->setObjectName(QLatin1String(name));
        group->addButton(button, id);
        mapOptions->addWidget(button);
        return button;
    };
    option(mapClef, 0, tr("&Treble Clef"), "trebleOpt")->setChecked(true);
    option(mapClef, 1, tr("&Bass Clef"), "bassOpt");
    mapOptions->addSpacing(30);
    option(mapMeasure, int(WeakNoteMap::Measure::Errors), tr("&Wrong answers"), "errorsOpt")
        ->setChecked(true);
    option(mapMeasure, int(WeakNoteMap::Measure::Time), tr("Answer t&ime"), "timeOpt");
    mapOptions->addStretch(1);
    noteMap = new WeakNoteMap(mapFrame);
    noteMap->setObjectName(QStringLiteral("noteMap"));
    noteMap->setMinimumHeight(90);
    auto *mapLayout = new QVBoxLayout(mapFrame);
    mapLayout->addLayout(mapOptions);
    mapLayout->addWidget(noteMap);

    auto *confusedLbl = new QLabel(tr("Most &confused notes:"), this);
    confusedLst = new QListWidget(this);
    confusedLst->setObjectName(QStringLiteral("confusedLst"));
    confusedLst->setMaximumHeight(110);
    confusedLbl->setBuddy(confusedLst);

    exportCmd = new QPushButton(tr("&Export CSV..."), this);
    exportCmd->setObjectName(QStringLiteral("exportCmd"));
    exportCmd->setToolTip(tr("Save every answer of this player for a spreadsheet"));
    exportCmd->setAutoDefault(false);
    closeCmd = new QPushButton(tr("&Close"), this);
    closeCmd->setObjectName(QStringLiteral("closeCmd"));
    closeCmd->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exportCmd);
    buttons->addStretch(1);
    buttons->addWidget(closeCmd);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chartView, 1);
    layout->addWidget(mapFrame);
    layout->addWidget(confusedLbl);
    layout->addWidget(confusedLst);
    layout->addLayout(buttons);

    // The list's players, and anyone the history knows who has left it.
    const QString &current = m_currentPlayer;
    QStringList names{current};
    names += PlayerList(m_host.dataFolder()).names();
    names += m_history.players();
    names.removeDuplicates();
    playerCbo->addItems(names);
    playerCbo->setCurrentIndex(0);

    connect(playerCbo, &QComboBox::currentIndexChanged, this, &progressFrm::showPlayer);
    connect(periodCbo, &QComboBox::currentIndexChanged, this, &progressFrm::showChart);
    // Toggled, not clicked: a screen reader's press toggles an option.
    for (QButtonGroup *group : {mapClef, mapMeasure}) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                showMap();
        });
    }
    connect(exportCmd, &QPushButton::clicked, this, &progressFrm::exportCmd_Click);
    connect(closeCmd, &QPushButton::clicked, this, &QDialog::accept);
    showPlayer();
}

QString progressFrm::player() const
{
    return playerCbo->currentText();
}

void progressFrm::showPlayer()
{
    for (qint16 clef : {qint16(0), qint16(1)})
        m_stats[clef] = m_history.noteStats(player(), clef);
    showChart();
    showMap();
    confusedLst->clear();
    for (const AnswerHistory::Confusion &c : m_history.confusions(player())) {
        const QString given = c.answered >= 0 ? PitchName::of(c.answered) : tr("the letter %1").arg(c.letter);
        const QString line = c.times == 1 ? tr("%1 (%2) answered as %3: %4 time")
                                          : tr("%1 (%2) answered as %3: %4 times");
        confusedLst->addItem(line.arg(PitchName::of(c.asked), clefName(c.clef), given).arg(c.times));
    }
    if (confusedLst->count() == 0)
        confusedLst->addItem(tr("No note answered wrong yet."));
}

void progressFrm::showChart()
{
    const auto period = periodCbo->currentIndex() == 1 ? AnswerHistory::Period::Week : AnswerHistory::Period::Day;
    const std::vector<AnswerHistory::ScorePoint> points = m_history.scores(player(), period);
    auto *chart = new QChart;
    chart->setTitle(tr("%1: score and median answer time").arg(player().toHtmlEscaped()));
    auto *dates = new QDateTimeAxis;
    dates->setFormat(period == AnswerHistory::Period::Week ? QStringLiteral("d MMM yy") : QStringLiteral("d MMM"));
    dates->setTitleText(period == AnswerHistory::Period::Week ? tr("Week") : tr("Day"));
    auto *score = new QValueAxis;
    score->setRange(0, 100);
    score->setTitleText(tr("Score %"));
    score->setLabelFormat(QStringLiteral("%d"));
    auto *seconds = new QValueAxis;
    seconds->setTitleText(tr("Median time (s)"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(score, Qt::AlignLeft);
    chart->addAxis(seconds, Qt::AlignRight);
    double slowest = 1;
    QDateTime first, last;
    for (qint16 clef : {qint16(0), qint16(1)}) {
        auto *scores = new QLineSeries;
        scores->setName(clef == 0 ? tr("Treble score") : tr("Bass score"));
        scores->setPen(QPen(clefColour(clef), 2));
        auto *times = new QLineSeries;
        times->setName(clef == 0 ? tr("Treble time") : tr("Bass time"));
        times->setPen(QPen(clefColour(clef), 1.5, Qt::DashLine));
        for (const auto &p : points) {
            if (p.clef != clef)
                continue;
            const QDateTime at = p.period.startOfDay();
            scores->append(qreal(at.toMSecsSinceEpoch()), p.score);
            times->append(qreal(at.toMSecsSinceEpoch()), p.medianMs / 1000.0);
            slowest = std::max(slowest, p.medianMs / 1000.0);
            first = first.isValid() ? std::min(first, at) : at;
            last = last.isValid() ? std::max(last, at) : at;
        }
        if (scores->count() == 0) {
            delete scores;
            delete times;
            continue;
        }
        // One lesson day alone would be an invisible line: mark each point.
        for (QLineSeries *series : {scores, times}) {
            series->setPointsVisible(true);
            chart->addSeries(series);
            series->attachAxis(dates);
        }
        scores->attachAxis(score);
        times->attachAxis(seconds);
    }
    seconds->setRange(0, std::ceil(slowest));
    if (first.isValid()) {
        const qint64 day = 24 * 3600 * 1000;
        dates->setRange(first.addMSecs(-day / 2), last.addMSecs(day / 2));
    } else {
        chart->setTitle(tr("%1: no answers kept yet").arg(player().toHtmlEscaped()));
        dates->setRange(QDate::currentDate().addDays(-7).startOfDay(), QDate::currentDate().startOfDay());
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart *old = chartView->chart();
    chartView->setChart(chart);
    delete old;
}

void progressFrm::showMap()
{
    const auto clef = qint16(mapClef->checkedId() == 1 ? 1 : 0);
    noteMap->show(m_stats[clef], clef, WeakNoteMap::Measure(mapMeasure->checkedId()));
}

void progressFrm::exportCmd_Click()
{
    Desktop &desktop = m_host.desktop();
    QString fileName = player();
    fileName.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    QString path = desktop.saveFileName(this, tr("Export Answers As..."),
                                        QDir(HtmlFile::defaultFolder()).filePath(fileName + QStringLiteral(".csv")),
                                        QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const QString failure =
        SafeFile::replace(path, [this](QIODevice &out) { return m_history.exportCsv(player(), out); });
    if (!failure.isEmpty()) {
        desktop.messageBox(this, tr("The answers could not be saved as \"%1\": %2").arg(path, failure),
                           Desktop::Buttons::Ok, Desktop::Icon::Warning, tr("Export Answers As..."));
    }
}

} // namespace staverly
