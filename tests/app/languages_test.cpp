// The window in every language: each translation is complete, and every window and
// dialog, rendered offscreen with a font from a Debian package, shows each text whole
// inside its element, no two texts of one parent overlapping.
#include "app/languages.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>

#include "app/companion_windows.h"
#include "app/getting_started.h"
#include "app/timeline_window.h"
#include "app/translated.h"
#include "app/truth_table_window.h"
#include "app/why_window.h"
#include "editor/moving.h"
#include "editor/refusals.h"
#include "window_fixture.h"

namespace tessara::app {
namespace {

struct Language {
  const char* code;
  const char* font;  // fonts-dejavu-core; fonts-wqy-microhei for Chinese
};
constexpr Language kLanguages[] = {
    {"en", "DejaVu Sans"}, {"de", "DejaVu Sans"},    {"es", "DejaVu Sans"},
    {"fr", "DejaVu Sans"}, {"pt_BR", "DejaVu Sans"}, {"zh_CN", "WenQuanYi Micro Hei"},
};

// The %1 ... %9 places of a text, sorted.
QStringList Places(const QString& text) {
  QStringList places;
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  for (const auto& match : place.globalMatch(text)) places << match.captured();
  places.sort();
  return places;
}

// Each message of a .ts file that lupdate just refreshed from the sources: what is wrong
// with it, one line each ("" when nothing is).
QString Faults(const QString& ts) {
  QFile file(ts);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read ") + ts + '\n';
  QXmlStreamReader xml(&file);
  QString faults, source;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("source")) {
      source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.name() == QStringLiteral("translation")) {
      const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
      QStringList forms;  // each plural form, or the one text (a <byte/> is a character)
      QString text;
      while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                               xml.name() == QStringLiteral("translation"))) {
        if (xml.isStartElement() && xml.name() == QStringLiteral("numerusform")) {
          forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isCharacters()) {
          text += xml.text();
        }
      }
      if (forms.isEmpty()) forms << text;
      if (!finished) faults += QStringLiteral("unfinished: ") + source + '\n';
      for (const QString& form : forms) {
        if (form.isEmpty()) faults += QStringLiteral("unfinished: ") + source + '\n';
        if (Places(form) != Places(source)) faults += QStringLiteral("places: ") + source + '\n';
      }
    }
  }
  return faults;
}

TEST(Translations, EveryTextOfTheSourcesHasAFinishedTranslationWithItsPlaces) {
  QDir fresh(QStringLiteral(TESSARA_ARTEFACTS "/translations"));
  fresh.removeRecursively();
  ASSERT_TRUE(QDir().mkpath(fresh.path()));
  const QStringList files = QDir(QStringLiteral(TESSARA_SOURCE_DIR "/translations"))
                                .entryList({QStringLiteral("tessara_*.ts")});
  ASSERT_EQ(files.size(), LanguageCodes().size()) << "each language offered has its file";
  for (const QString& name : files) {
    const QString code = name.mid(8).chopped(3);
    EXPECT_TRUE(LanguageCodes().contains(code)) << "offered: " << name.toStdString();
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSARA_SOURCE_DIR "/translations/") + name,
                            fresh.filePath(name)))
        << name.toStdString();
    QProcess lupdate;
    lupdate.start(
        QStringLiteral(TESSARA_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
         QStringLiteral("-no-obsolete"), QStringLiteral("-tr-function-alias"),
         QStringLiteral("QT_TRANSLATE_NOOP+=TESSARA_PHRASE,QT_TRANSLATE_N_NOOP+=TESSARA_COUNTED"),
         QStringLiteral(TESSARA_SOURCE_DIR "/src"), QStringLiteral("-ts"), fresh.filePath(name)});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    EXPECT_EQ(Faults(fresh.filePath(name)).toStdString(), "") << name.toStdString();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/tessara_%1.qm").arg(code)))
        << "built into the program: " << name.toStdString();
  }
}

// The key after '&' in text, lower case; none without one.
QChar Accelerator(const QString& text) {
  const qsizetype at = text.indexOf('&');
  return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// Reports each action of one menu (or of the menu bar) whose accelerator an earlier one has.
template <typename Fault>
void AcceleratorFaults(const QList<QAction*>& actions, const Fault& fault) {
  QSet<QChar> keys;
  for (const QAction* action : actions) {
    const QChar key = Accelerator(action->text());
    if (key.isNull()) continue;
    if (keys.contains(key)) fault(action, action->text(), "accelerator used twice");
    keys << key;
  }
}

// What is wrong with the texts of window and its descendants: a text wider or taller
// than its element, a menu title outside the menu bar, a column heading wider than its
// column, two texts of one parent overlapping, or an accelerator used twice in a menu.
QStringList TextFaults(QWidget* window) {
  QStringList faults;
  const auto fault = [&faults](const QObject* at, const QString& text, const char* what) {
    faults << QStringLiteral("%1 '%2': %3").arg(at->objectName(), text, QLatin1String(what));
  };
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets << window;
  QHash<QWidget*, QList<QWidget*>> texts;  // by parent, the shown elements with a text
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(window)) continue;
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
      const QRect room = label->contentsRect();
      const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
      if (!room.contains(metrics.boundingRect(room, flags, label->text().trimmed())))
        fault(label, label->text(), "does not fit");
      texts[w->parentWidget()] << w;
    } else if (auto* button = qobject_cast<QAbstractButton*>(w);
               button && !button->text().isEmpty()) {
      if (button->sizeHint().width() > button->width()) fault(button, button->text(), "cut");
      texts[w->parentWidget()] << w;
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
      for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i)) continue;  // shown by the table's other part
        const QString text = header->model()->headerData(i, header->orientation()).toString();
        if (metrics.horizontalAdvance(text) + margin > header->sectionSize(i))
          fault(header, text, "wider than its column");
      }
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      QList<QAction*> titles = bar->actions();
      for (QAction* title : titles) {
        if (!bar->rect().contains(bar->actionGeometry(title)))
          fault(bar, title->text(), "outside the menu bar");
        AcceleratorFaults(title->menu()->actions(), fault);
      }
      AcceleratorFaults(titles, fault);
    }
  }
  for (const QList<QWidget*>& siblings : texts) {
    for (qsizetype i = 0; i < siblings.size(); ++i)
      for (qsizetype k = i + 1; k < siblings.size(); ++k)
        if (siblings[i]->geometry().intersects(siblings[k]->geometry()))
          fault(siblings[i], siblings[k]->objectName(), "overlaps");
  }
  return faults;
}

// The language's translations installed and its font set, for as long as it lives.
class Speaking {
 public:
  explicit Speaking(const Language& language) : font_(QApplication::font()) {
    QApplication::setFont(QFont(QString::fromLatin1(language.font), 9));
    found_ = InstallTranslations(*qApp, QLocale(QString::fromLatin1(language.code)));
  }
  ~Speaking() {
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setFont(font_);
  }
  bool found() const { return found_; }

 private:
  QFont font_;
  bool found_ = false;
};

// A count chooses its plural form in each language: "1 step", "2 steps".
TEST(Languages, CountsTakeThePluralFormOfEachLanguage) {
  const std::pair<const char*, std::array<const char*, 3>> rows[] = {
      {"en", {"settles after 1 step", "settles after 2 steps", "1 of 4 rows differ"}},
      {"de", {"stabil nach 1 Schritt", "stabil nach 2 Schritten", "1 von 4 Zeilen weicht ab"}},
      {"es",
       {"se estabiliza tras 1 paso", "se estabiliza tras 2 pasos", "1 de 4 filas es distinta"}},
      {"fr",
       {"se stabilise après 1 étape", "se stabilise après 2 étapes", "1 ligne sur 4 diffère"}},
      {"pt_BR", {"estabiliza após 1 passo", "estabiliza após 2 passos", "1 de 4 linhas difere"}},
      {"zh_CN", {"1 步后稳定", "2 步后稳定", "4 行中有 1 行不同"}}};
  for (const auto& [code, texts] : rows) {
    const Speaking speaking(
        *std::find_if(std::begin(kLanguages), std::end(kLanguages),
                      [&](const Language& l) { return l.code == std::string_view(code); }));
    for (int steps : {1, 2}) {
      EXPECT_EQ(Translated(Counted("Repeats", "settles after %n step(s)", steps)),
                QString::fromUtf8(texts[std::size_t(steps - 1)]))
          << code;
    }
    EXPECT_EQ(Translated(Counted("Comparison", "%n of %1 rows differ", 1, "4")),
              QString::fromUtf8(texts[2]))
        << code;
  }
}

// How a window or dialog is reached from a fresh main window showing the half adder, and
// its name in a failure.
struct Stage {
  const char* name;
  std::function<QWidget*(MainWindow&)> show;  // the window; nullptr for a modal one
  std::function<void(MainWindow&)> open;      // opens the modal one (it blocks until closed)
};

QAction* Command(MainWindow& window, const char* name) {
  return window.findChild<QAction*>(QString::fromLatin1(name));
}

const Stage kStages[] = {
    {"main window", [](MainWindow& w) { return static_cast<QWidget*>(&w); }, {}},
    {"About", {}, [](MainWindow& w) { Command(w, "Help_About")->trigger(); }},
    {"keyboard help", {}, [](MainWindow& w) { Command(w, "Help_Keyboard")->trigger(); }},
    {"unsaved-changes question",
     {},
     [](MainWindow& w) {
       w.Act([](Form& form) { OnGateDoubleClick(form, 3); });
       Command(w, "New")->trigger();
     }},
    {"refusal", {}, [](MainWindow& w) { ShowRefusal(w, Refusal::NoRoomForLink); }},
    {"file that cannot be opened",
     {},
     [](MainWindow& w) {
       RefuseOpen(w, "/nowhere/adder.cir", {Name("cannot open: No such file"), 0});
     }},
    {"riddle", {}, [](MainWindow& w) { w.Act(OnNodeDoubleClick); }},
    {"new from expression", {}, [](MainWindow& w) { Command(w, "NewFromExpression")->trigger(); }},
    {"timeline",
     [](MainWindow& w) {
       w.Act(OnPower), w.Act(OnProp);
       return static_cast<QWidget*>(&w.Companions().ShowTimeline());
     },
     {}},
    {"truth table",
     [](MainWindow& w) { return static_cast<QWidget*>(&w.Companions().ShowTruthTable()); },
     {}},
    {"why", [](MainWindow& w) { return static_cast<QWidget*>(&w.Companions().ShowWhy()); }, {}},
    {"getting started",
     [](MainWindow& w) {
       Command(w, "Help_GettingStarted")->trigger();
       return static_cast<QWidget*>(w.findChild<GettingStarted*>());
     },
     {}},
};

TEST(Languages, EveryTextOfEveryWindowFitsItsElementInEveryLanguage) {
  ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")));
  ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Micro Hei")));
  for (const Language& language : kLanguages) {
    const Speaking speaking(language);
    EXPECT_EQ(speaking.found(), language.code != std::string("en")) << language.code;
    for (const Stage& stage : kStages) {
      MainWindow window;
      OnWindowOpen(window.form());
      window.show();
      ASSERT_TRUE(LoadCircuit(window.form(), TESSARA_EXAMPLES "/half_adder.cir"));
      QStringList faults;
      if (stage.show) {
        QWidget* shown = stage.show(window);
        ASSERT_TRUE(shown && QTest::qWaitForWindowExposed(shown)) << stage.name;
        faults = TextFaults(shown);
      } else {
        ModalWatcher watcher([&](QWidget* modal) { faults = TextFaults(modal); });
        stage.open(window);
        EXPECT_TRUE(watcher.seen()) << stage.name;
      }
      EXPECT_EQ(faults.join('\n').toStdString(), "") << language.code << ", " << stage.name;
    }
  }
}

}  // namespace
}  // namespace tessara::app
