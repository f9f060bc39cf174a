// The options sheet driven through its widgets from F3: the enabling rules
// and handlers of the pages, OK against Cancel in brinox.dat, the key capture
// box, and what applying changes in the window.
#include "WindowFixture.h"

#include "settings/KeyCaptureDialog.h"
#include "settings/OptionsFile.h"
#include "settings/OptionsSheet.h"
#include "settings/PieceMarksFile.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace brinox::test {
namespace {

class OptionsSheetTest : public WindowFixture {
public:
    using WindowFixture::sounds;
    void SetUp() override {
        WindowFixture::SetUp();
        modals.onDialog = [this](QDialog& dialog) { return Answer(dialog); };
        fileAnswer = [this](const FileDialogRequest& request) {
            EXPECT_EQ(request.title + request.filter,
                      "Load Sound FileSound Files (*.wav);;All Files (*)");
            return chosenFile;
        };
    }

    int Answer(QDialog& dialog) {
        if (auto* capture = qobject_cast<KeyCaptureDialog*>(&dialog)) {
            captures << capture->findChild<QLabel*>("action")->text();
            for (Qt::Key key : keys) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(capture, &press);
            }
            return capture->result();
        }
        if (auto* colour = qobject_cast<QColorDialog*>(&dialog)) {
            colour->setCurrentColor(QColor(1, 2, 3));
            colour->accept();
            return colour->result();
        }
        sheet = &dynamic_cast<OptionsSheet&>(dialog);
        act();
        sheet->findChild<QDialogButtonBox*>()
            ->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            ->click();
        return sheet->result();
    }

    // F3 with the window active; act runs while the sheet is open.
    void RunSheet(std::function<void()> during, bool pressOk = true) {
        act = std::move(during);
        ok = pressOk;
        Activate();
        Tick();
        Click(Qt::Key_F3);
    }
    // A control of the open sheet by its text or object name.
    template <typename W = QWidget> W& Get(const QString& name) {
        for (W* w : sheet->findChildren<W*>()) {
            if (w->objectName() == name || w->property("text").toString() == name) {
                return *w;
            }
        }
        ADD_FAILURE() << name.toStdString();
        throw std::runtime_error("no such control");
    }
    bool On(const QString& name) { return Get(name).isEnabled(); }
    void Press(const QString& name) { Get<QAbstractButton>(name).click(); }
    QString Shown(const QString& list) { return Get<QComboBox>(list).currentText(); }
    Options Stored() {
        Options stored;
        // The last event is not kept in the file.
        stored.soundFile = frame->Settings().soundFile;
        stored.soundEnabled.back() = frame->Settings().soundEnabled.back();
        EXPECT_TRUE(LoadOptions(directory->Path(), stored));
        stored.pieceMarks = ReadPieceMarksSetting(directory->Path()); // kept in its own file
        return stored;
    }

    OptionsSheet* sheet = nullptr;
    std::function<void()> act;
    bool ok = true;
    std::vector<Qt::Key> keys;
    QStringList captures; // the action each capture box named
    QString chosenFile;
};

// Every sound off and pointing elsewhere.
void SoundsElsewhere(Options& o) {
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        o.soundEnabled[e] = 0;
        o.soundFile[e] = "/elsewhere/" + std::to_string(e) + ".wav";
    }
}

// The events in the mask are back on with their default files, the others untouched.
void ExpectSoundsReset(const Options& o, unsigned mask) {
    const char* defaults[] = {"button", "drop", "line", "bomb",  "gameover", "gamewin",
                              "level",  "time", "add",  "start", "bombout",  "bestscr"};
    EXPECT_EQ(o.soundOn, 1);
    for (std::int32_t e = 0; e < kSoundEventCount; ++e) {
        const bool reset = (mask >> e & 1) != 0;
        EXPECT_EQ(o.soundEnabled[e], reset ? 1 : 0) << e;
        EXPECT_TRUE(QString::fromStdString(o.soundFile[e])
                        .endsWith(reset ? QString("/snd/%1.wav").arg(defaults[e])
                                        : QString("/elsewhere/%1.wav").arg(e)))
            << o.soundFile[e];
    }
}

struct PageCase {
    const char* name;
    bool playing;                               // a game is in progress when F3 comes
    std::function<void(Options&)> setup;        // the options before F3
    std::function<void(OptionsSheetTest&)> act; // checks and changes while the sheet is open
    std::function<void(const Options&)> expect; // the options after OK
};

class PageRules : public OptionsSheetTest, public ::testing::WithParamInterface<PageCase> {};

const PageCase kPageCases[] = {
    {"ChampionshipClearsBombsAndQuinelFallsBackToClassic", false, [](Options& o) { o.bombsOn = 1; },
     [](OptionsSheetTest& t) {
         t.Press("World Championship");
         EXPECT_FALSE(t.On("Bombs in the game"));
         EXPECT_FALSE(t.Get<QAbstractButton>("Bombs in the game").isChecked());
         t.Press("Quinel");
         EXPECT_TRUE(t.Get<QAbstractButton>("Classic mode").isChecked());
         EXPECT_TRUE(t.On("Bombs in the game"));
         EXPECT_FALSE(t.On("World Championship"));
     },
     [](const Options& o) {
         EXPECT_EQ(std::tie(o.gameType, o.gameMode, o.bombsOn),
                   std::make_tuple(Quinel, Classic, 0));
     }},
    {"GameInProgressLeavesOnlyTheSpeeds", true, [](Options& o) { o.startLevel = 19; },
     [](OptionsSheetTest& t) {
         for (const char* control : {"Quadel", "Quinel", "Classic mode", "World Championship",
                                     "Bombs in the game", "startLevel", "startHeight"}) {
             EXPECT_FALSE(t.On(control)) << control;
         }
         EXPECT_TRUE(t.On("animationSpeed"));
         EXPECT_EQ(t.Shown("startLevel"), "Level 20");
         const auto& height = t.Get<QComboBox>("startHeight");
         EXPECT_EQ(height.itemText(0) + height.itemText(1) + height.itemText(2),
                   "0 row1 row2 rows");
         t.Get<QSpinBox>("animationSpeed").stepBy(-100);
     },
     [](const Options& o) {
         EXPECT_EQ(std::tie(o.startLevel, o.levelAnimationSpeed), std::make_tuple(19, 0));
     }},
    {"BackgroundListOrderDiffersFromCodes", false,
     [](Options& o) { o.fieldBackground = UserColor; },
     [](OptionsSheetTest& t) {
         EXPECT_EQ(t.Shown("background"), "User-defined color");
         t.Press("Define color...");
         t.Get<QComboBox>("background").setCurrentIndex(1);
         EXPECT_EQ(t.Shown("background"), "Color field");
         EXPECT_FALSE(t.On("Define color..."));
     },
     [](const Options& o) {
         EXPECT_EQ(std::tie(o.fieldBackground, o.userColor), std::make_tuple(ColorField, 0x030201));
     }},
    {"PlayIgnoresSwitchesAndResetAllTakesEveryEventButTheMaster", false, SoundsElsewhere,
     [](OptionsSheetTest& t) {
         EXPECT_TRUE(t.Get<QAbstractButton>("turns Sound on/off").isChecked());
         t.Get<QComboBox>("soundEvent").setCurrentIndex(3);
         t.Press("Play");
         EXPECT_EQ(t.sounds.sounds.back().second, "/elsewhere/3.wav");
         t.Press("Change"); // and cancel the chooser
         EXPECT_EQ(t.Get<QLineEdit>("soundPath").text(), "/elsewhere/3.wav");
         t.chosenFile = "/chosen/boom.wav";
         t.Press("Change");
         EXPECT_EQ(t.Get<QLineEdit>("soundPath").text(), t.chosenFile);
         t.Press("Reset All Sounds to Defaults");
         EXPECT_TRUE(t.Get<QLineEdit>("soundPath").text().endsWith("snd/bomb.wav"));
     },
     [](const Options& o) { ExpectSoundsReset(o, 0xFFF); }},
    {"MasterSwitchGreysTheRestAndResetTakesOnlyTheSelectedEvent", false,
     [](Options& o) { SoundsElsewhere(o), o.soundOn = 0; },
     [](OptionsSheetTest& t) {
         for (int step = 0; step < 4; ++step) { // opened off, then clicked on, off and on
             for (const char* control :
                  {"soundEvent", "soundPath", "turns this sound on/off", "Play", "Change",
                   "Reset to Defaults", "Reset All Sounds to Defaults"}) {
                 EXPECT_EQ(t.On(control), step % 2 == 1) << control << " " << step;
             }
             EXPECT_TRUE(t.On("turns Sound on/off"));
             if (step < 3) {
                 t.Press("turns Sound on/off");
             }
         }
         t.Get<QComboBox>("soundEvent").setCurrentIndex(5);
         t.Press("Reset to Defaults");
     },
     [](const Options& o) { ExpectSoundsReset(o, 1u << 5); }},
    {"ResetsTakeTheDefaultsAndTypedNumbersHaveNoLimit", false,
     [](Options& o) { o.keyLeft = 65, o.sensDrop = 7; },
     [](OptionsSheetTest& t) {
         for (QPushButton* reset : t.sheet->findChildren<QPushButton*>()) {
             if (reset->text() == "Reset to defaults") {
                 reset->click();
             }
         }
         t.Get<QSpinBox>("demolitionSpeed").findChild<QLineEdit*>()->setText("5000");
     },
     [](const Options& o) {
         EXPECT_EQ(std::tie(o.keyLeft, o.sensDrop, o.demolitionSpeed),
                   std::make_tuple(37, 1000, 5000));
     }},
    {"KeyCaptureEscapeKeepsTheKeyAndAnotherKeyTakesItsPlace", false, [](Options&) {},
     [](OptionsSheetTest& t) {
         t.keys = {Qt::Key_Escape};
         t.Press("Move Left");
         EXPECT_EQ(t.Get<QLineEdit>("key0").text(), "Left Arrow");
         t.keys = {Qt::Key_Shift};
         t.Press("Pause game");
         EXPECT_EQ(t.Get<QLineEdit>("key5").text(), "Key #16");
     },
     [](const Options& o) { EXPECT_EQ(std::tie(o.keyLeft, o.keyPause), std::make_tuple(37, 16)); }},
};

TEST_P(PageRules, ThroughTheWidgets) {
    const PageCase& c = GetParam();
    c.setup(frame->Settings());
    if (c.playing) {
        StartGame();
    }
    RunSheet([&] { c.act(*this); });
    c.expect(frame->Settings());
    c.expect(Stored());
}

INSTANTIATE_TEST_SUITE_P(Pages, PageRules, ::testing::ValuesIn(kPageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsSheetTest, OkStoresTheChangesCancelKeepsThemAndBothRewriteTheFile) {
    StartGame();
    for (bool pressOk : {false, true}) {
        QFile::remove(directory->File(QStringLiteral("brinox.dat")));
        RunSheet(
            [this] {
                EXPECT_EQ(game().flags.gameRunning, 0);
                for (const char* view :
                     {"Show Next Bar", "Show Tool Bar", "Show Status Bar",
                      "Animate text of the window\u2019s title bar ", "pieceMarks"}) {
                    Press(view);
                }
                Get<QSpinBox>("sensitivity0").stepBy(1);
            },
            pressOk);
        EXPECT_EQ(game().flags.gameRunning, 1);
        const Options s = Stored();
        EXPECT_EQ(s, frame->Settings());
        EXPECT_EQ(std::tie(s.showNextBar, s.showToolBar, s.showStatusBar, s.animateTitle,
                           s.pieceMarks, s.sensLeft),
                  pressOk ? std::make_tuple(0, 0, 0, 0, 1, 51)
                          : std::make_tuple(1, 1, 1, 1, 0, 50));
    }
}

// The box alone, one key at a time: F1 to F12 and keys without a code keep it
// open (the latter with a second line), Escape cancels, anything else is taken.
TEST(KeyCaptureTest, EachKeyClosesTheBoxOrKeepsItOpen) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int result; // -1: still open
        std::int32_t code;
        bool unusable;
    };
    std::vector<Case> cases = {{Qt::Key_F13, Qt::NoModifier, QDialog::Accepted, 124, false},
                               {Qt::Key_Slash, Qt::KeypadModifier, QDialog::Accepted, 111, false},
                               {Qt::Key_Shift, Qt::NoModifier, QDialog::Accepted, 16, false},
                               {Qt::Key_Escape, Qt::NoModifier, QDialog::Rejected, 0, false},
                               {Qt::Key_Eject, Qt::NoModifier, -1, 0, true}};
    for (int f = 0; f < 12; ++f) {
        cases.push_back({static_cast<Qt::Key>(Qt::Key_F1 + f), Qt::NoModifier, -1, 0, false});
    }
    for (const Case& c : cases) {
        KeyCaptureDialog box(QStringLiteral("Rotate"));
        box.setResult(-1);
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(&box, &press);
        EXPECT_EQ(std::make_tuple(box.result(), box.Key()), std::make_tuple(c.result, c.code))
            << std::hex << c.key;
        const auto* unusable = box.findChild<QLabel*>("unusableKey");
        EXPECT_EQ(!unusable->isHidden(), c.unusable) << std::hex << c.key;
        EXPECT_EQ(unusable->text(), "This key cannot be used in the game");
    }
}

// By keyboard after a redefinition: the box names its action; Enter, taken as
// the new key, reaches nothing while it repeats (as X11 sends it: marked
// repeats and release-press pairs of one time stamp) and is let go; pressed
// anew it is the sheet's OK, not another box.
TEST_F(OptionsSheetTest, CaptureBoxNamesItsActionAndItsClosingKeyActsOnlyWhenPressedAnew) {
    keys = {Qt::Key_Return};
    RunSheet([this] {
        sheet->show(); // which makes OK the default button
        sheet->Pages().setCurrentIndex(2);
        auto& button = Get<QPushButton>("Move Left");
        button.click();
        // To the button, which keeps the keyboard once the box has gone.
        const auto send = [&button](QEvent::Type type, bool marked, quint64 time) {
            QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, "\r", marked);
            key.setTimestamp(time);
            QApplication::sendEvent(&button, &key);
        };
        for (quint64 time : {40, 80}) {
            send(QEvent::KeyRelease, time == 40, time);
            send(QEvent::KeyPress, time == 40, time);
        }
        send(QEvent::KeyRelease, false, 120);
        EXPECT_TRUE(sheet->isVisible());
        send(QEvent::KeyPress, false, 500);
        EXPECT_EQ(sheet->result(), QDialog::Accepted);
    });
    EXPECT_EQ(captures, QStringList{"Move Left"});
    EXPECT_EQ(frame->Settings().keyLeft, 13);
}

TEST_F(OptionsSheetTest, ApplyingRedoesOnlyWhatChanged) {
    const auto keyOf = [this](Picture p) { return frame->Pictures().Get(p).cacheKey(); };
    const qint64 blocks = keyOf(Picture::BlocksBig), digits = keyOf(Picture::Digits);
    const qint64 icon = frame->windowIcon().cacheKey();
    RunSheet([this] {
        Press("Animate text of the window\u2019s title bar ");
        Get<QAbstractButton>("Block Set 1").click();
    });
    EXPECT_NE(keyOf(Picture::BlocksBig), blocks);
    EXPECT_EQ(frame->windowIcon().cacheKey(), icon);
    EXPECT_EQ(keyOf(Picture::Digits), digits);
    EXPECT_EQ(frame->windowTitle(), "Brinox 2000: World Championship");
    RunSheet([this] { Press("Animate text of the window\u2019s title bar "); });
    EXPECT_EQ(frame->windowTitle().toStdString(), *TitleAnimation::FrameText(0));
}

} // namespace
} // namespace brinox::test
