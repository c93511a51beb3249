// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlhost.h"
#include "widgetfactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMouseEvent>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QWidget>
#include <gmock/gmock.h>
#include <memory>

using staverly::host::ControlHost;
using ::testing::HasSubstr;

namespace {

const QString Piano = QStringLiteral("piano.UserControl1");
const QString Meter = QStringLiteral("Quill_Slider.UserControl1");

// Stands in for the main window's handlers.
class Handlers : public QObject
{
    Q_OBJECT

public:
    QList<qint16> seen;
    qint16 overwrite = 0;

public slots:
    void highSlider_changed(qint16 &loc)
    {
        seen.append(loc);
        loc = overwrite;
    }
    void wrongKind(const QString &) {}
};

void leftDragTo(QWidget *control, qreal x)
{
    const QPointF position(x, 1);
    QMouseEvent move(QEvent::MouseMove, position, control->mapToGlobal(position), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

class ControlHostTest : public ::testing::Test
{
protected:
    ControlHost host;
    QWidget window;
};

TEST_F(ControlHostTest, FindsBothControlLibrariesBesideTheProgram)
{
    EXPECT_EQ(ControlHost::defaultFolder(), QCoreApplication::applicationDirPath() + "/controls");
    EXPECT_EQ(host.folder(), QDir(ControlHost::defaultFolder()).absolutePath());
    EXPECT_THAT(host.identifiers(), ::testing::UnorderedElementsAre(Piano, Meter));
    EXPECT_TRUE(host.problems().isEmpty()) << host.problems().join('\n').toStdString();
}

TEST_F(ControlHostTest, CreatesEachClassByIdentifier)
{
    QString error = QStringLiteral("stale");
    QWidget *slider = host.create(Piano, &window, &error);
    ASSERT_NE(slider, nullptr) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(slider->parentWidget(), &window);
    EXPECT_STREQ(slider->metaObject()->className(), "staverly::piano::UserControl1");

    QWidget *meter = host.create(Meter, &window, &error);
    ASSERT_NE(meter, nullptr) << error.toStdString();
    EXPECT_STREQ(meter->metaObject()->className(), "staverly::lumetra::UserControl1");
    EXPECT_EQ(ControlHost::property(meter, "value").toFloat(), 1580.0f);

    // Identifiers are matched without regard to case.
    EXPECT_NE(host.create(QStringLiteral("PIANO.usercontrol1"), &window), nullptr);
    EXPECT_NE(host.create(QStringLiteral("quill_slider.usercontrol1"), &window), nullptr);
}

TEST_F(ControlHostTest, LibrariesDescribeThemselvesInTheirMetadata)
{
    QMap<QString, QString> versions;
    const QDir dir(host.folder());
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (!QLibrary::isLibrary(name))
            continue;
        const QJsonObject meta = QPluginLoader(dir.absoluteFilePath(name)).metaData();
        EXPECT_EQ(meta.value("IID").toString(), QLatin1String(StaverlyWidgetFactory_iid)) << name.toStdString();
        const QJsonObject own = meta.value("MetaData").toObject();
        for (const QJsonValue &identifier : own.value("identifiers").toArray())
            versions.insert(identifier.toString(), own.value("version").toString());
    }
    EXPECT_EQ(versions, (QMap<QString, QString>{{Piano, "1.00.0002"}, {Meter, "1.00"}}));
}

TEST_F(ControlHostTest, UnknownIdentifierNamesItAndTheFolder)
{
    QString error;
    EXPECT_EQ(host.create(QStringLiteral("piano.UserControl2"), &window, &error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("\"piano.UserControl2\""));
    EXPECT_THAT(error.toStdString(), HasSubstr(host.folder().toStdString()));
    EXPECT_TRUE(window.children().isEmpty());
}

TEST_F(ControlHostTest, MissingFolderNamesItAndTheIdentifier)
{
    QTemporaryDir parent;
    const QString folder = parent.path() + "/controls";
    ControlHost nowhere(folder);

    QString error;
    EXPECT_EQ(nowhere.create(Piano, &window, &error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("\"piano.UserControl1\""));
    EXPECT_THAT(error.toStdString(), HasSubstr(folder.toStdString()));
    EXPECT_THAT(error.toStdString(), HasSubstr("does not exist"));
    EXPECT_TRUE(nowhere.identifiers().isEmpty());
}

TEST_F(ControlHostTest, BrokenLibraryIsReportedAndSkipped)
{
    QTemporaryDir folder;
    QFile broken(folder.filePath("libbroken.so"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a shared object");
    broken.close();
    QFile notes(folder.filePath("readme.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    ControlHost host(folder.path());

    QString error;
    EXPECT_EQ(host.create(Piano, &window, &error), nullptr);
    EXPECT_THAT(error.toStdString(), HasSubstr("\"piano.UserControl1\""));
    EXPECT_THAT(error.toStdString(), HasSubstr(folder.path().toStdString()));
    EXPECT_THAT(error.toStdString(), HasSubstr("libbroken.so"));
    ASSERT_EQ(host.problems().size(), 1);
    EXPECT_THAT(host.problems().first().toStdString(), HasSubstr("libbroken.so"));
}

TEST_F(ControlHostTest, PropertiesAreSetByDeclaredNameOnly)
{
    QWidget *slider = host.create(Piano, &window);
    ASSERT_NE(slider, nullptr);
    QString error;

    EXPECT_TRUE(ControlHost::setProperty(slider, "value", 20000, &error)) << error.toStdString();
    EXPECT_EQ(ControlHost::property(slider, "value").toInt(), 20000);
    // Late binding ignores case, as the dispatch interface always did.
    EXPECT_TRUE(ControlHost::setProperty(slider, "Value", QVariant(340.0), &error));
    EXPECT_EQ(ControlHost::property(slider, "VALUE").toInt(), 340);
    EXPECT_TRUE(ControlHost::setProperty(slider, "sliderColor", -2147483633, &error));
    EXPECT_EQ(ControlHost::property(slider, "sliderColor").toUInt(), 0x8000000Fu);

    EXPECT_FALSE(ControlHost::setProperty(slider, "Value", 40000, &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("Overflow"));
    EXPECT_EQ(ControlHost::property(slider, "value").toInt(), 340);

    EXPECT_FALSE(ControlHost::setProperty(slider, "colour", 255, &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("\"colour\""));
    EXPECT_THAT(error.toStdString(), HasSubstr("staverly::piano::UserControl1"));
    EXPECT_TRUE(slider->dynamicPropertyNames().isEmpty());
    EXPECT_FALSE(ControlHost::property(slider, "colour", &error).isValid());
    EXPECT_THAT(error.toStdString(), HasSubstr("\"colour\""));

    QWidget *meter = host.create(Meter, &window);
    ASSERT_NE(meter, nullptr);
    EXPECT_TRUE(ControlHost::setProperty(meter, "value", QVariant::fromValue<qint16>(65), &error));
    EXPECT_EQ(ControlHost::property(meter, "value").toFloat(), 850.0f);
    EXPECT_FALSE(ControlHost::setProperty(meter, "value", QStringLiteral("loud"), &error));
    EXPECT_EQ(ControlHost::property(meter, "value").toFloat(), 850.0f);
}

TEST_F(ControlHostTest, ChangedIsConnectedByNameAndDeliveredAtOnce)
{
    QWidget *slider = host.create(Piano, &window);
    ASSERT_NE(slider, nullptr);
    slider->resize(640, slider->height());
    Handlers handlers;
    handlers.overwrite = -1;
    QString error;
    ASSERT_TRUE(ControlHost::connectEvent(slider, "changed", &handlers, "highSlider_changed", &error))
        << error.toStdString();

    leftDragTo(slider, 20);

    ASSERT_EQ(handlers.seen.size(), 1);
    EXPECT_GT(handlers.seen[0], 0);
    // What the handler wrote into loc does not flow back into the control.
    EXPECT_EQ(ControlHost::property(slider, "value").toInt(), handlers.seen[0]);
}

TEST_F(ControlHostTest, ConnectingUnknownOrMismatchedEventsFails)
{
    QWidget *slider = host.create(Piano, &window);
    ASSERT_NE(slider, nullptr);
    Handlers handlers;
    QString error;

    EXPECT_FALSE(ControlHost::connectEvent(slider, "clicked", &handlers, "highSlider_changed", &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("\"clicked\""));
    EXPECT_FALSE(ControlHost::connectEvent(slider, "changed", &handlers, "lowSlider_changed", &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("\"lowSlider_changed\""));
    EXPECT_FALSE(ControlHost::connectEvent(slider, "changed", &handlers, "wrongKind", &error));
    EXPECT_THAT(error.toStdString(), HasSubstr("does not match"));
}

} // namespace

#include "controlhost_test.moc"
