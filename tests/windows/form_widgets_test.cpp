// The Qt form controls: each kind made on a surface, its text, check mark and selection
// set and read back in Czech through the code page, user input reaching the engine.

#include <QApplication>
#include <QPainter>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "common/recording_host.h"
#include "html/forms/form_controls.h"
#include "html/qt/form_widgets.h"
#include "html/qt/lazy_form_widgets.h"
#include "html/document/text_section.h"
#include "platform/codepage.h"

namespace tavra {
namespace {


// Typed as a keyboard with Czech letters would send them.
void typeInto(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(widget, &release);
  }
}

FontSpec courier10() {
  FontSpec face;
  face.name = "Courier New";
  face.size = 10;
  return face;
}

struct Surface : ::testing::Test {
  QWidget surface;
  QtFormWidgetFactory factory{&surface};
  void SetUp() override {
    surface.resize(400, 300);
    surface.show();
  }
};

TEST_F(Surface, EditKeepsCzechTextAndReportsEnter) {
  std::unique_ptr<FormWidget> edit = factory.CreateEdit(courier10(), true, 8);
  auto* line = surface.findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->echoMode(), QLineEdit::Password);
  EXPECT_EQ(line->maxLength(), 8);

  edit->SetText(std::string("Žluťoučký kůň"));
  EXPECT_EQ(line->text(), QString::fromUtf8("Žluťoučk"));
  EXPECT_EQ(edit->Text(), std::string("Žluťoučk"));

  std::vector<char> keys;
  edit->OnKeyPress = [&](char key) { keys.push_back(key); };
  QTest::keyClick(line, Qt::Key_Return);
  EXPECT_EQ(keys, std::vector<char>{13});

  edit->SetBounds(10, 20, 130, 22);
  EXPECT_EQ(line->geometry(), QRect(10, 20, 130, 22));
  EXPECT_EQ(edit->Left(), 10);
  EXPECT_EQ(edit->Height(), 22);
  edit.reset();
  EXPECT_EQ(surface.findChild<QLineEdit*>(), nullptr) << "the window goes with its control";
}

TEST_F(Surface, ButtonCaptionAndClick) {
  std::unique_ptr<FormWidget> button = factory.CreateButton(std::string("Odeslat žádost"));
  auto* push = surface.findChild<QPushButton*>();
  ASSERT_NE(push, nullptr);
  EXPECT_EQ(push->text(), QString::fromUtf8("Odeslat žádost"));
  EXPECT_EQ(button->Text(), std::string("Odeslat žádost"));
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  button->SetBounds(0, 0, 100, 24);
  QTest::mouseClick(push, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Surface, CheckBoxAndRadioButton) {
  std::unique_ptr<FormWidget> check = factory.CreateCheckBox();
  std::unique_ptr<FormWidget> radio = factory.CreateRadioButton();
  auto* box = surface.findChild<QCheckBox*>();
  auto* button = surface.findChild<QRadioButton*>();
  ASSERT_NE(box, nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_NE(button->parentWidget(), &surface) << "in a panel of its own";

  check->SetChecked(true);
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(check->Checked());
  int checkClicks = 0;
  check->OnClick = [&] { ++checkClicks; };
  check->SetBounds(0, 0, 13, 13);
  box->click();
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(checkClicks, 1);

  // Clicking a radio button checks it, and it stays checked; the form unchecks it.
  int radioClicks = 0;
  radio->OnClick = [&] { ++radioClicks; };
  button->click();
  button->click();
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(radioClicks, 2);
  radio->SetChecked(false);
  EXPECT_FALSE(button->isChecked());

  radio->SetBackground(0x0000FF);
  EXPECT_EQ(button->parentWidget()->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(Surface, ListBoxSelectionAndCurrentItem) {
  std::unique_ptr<FormWidget> multi = factory.CreateListBox(courier10(), true);
  auto* list = surface.findChild<QListWidget*>();
  ASSERT_NE(list, nullptr);
  for (const char* text : {"Jablko", "Hruška", "Švestka"}) multi->AddItem(text);
  EXPECT_EQ(multi->ItemCount(), 3);
  EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("Švestka"));
  EXPECT_EQ(multi->ItemText(1), std::string("Hruška"));
  multi->SetItemSelected(1, true);
  multi->SetItemSelected(2, true);
  multi->SetCurrentIndex(0);
  EXPECT_EQ(multi->CurrentIndex(), 0);
  EXPECT_FALSE(multi->ItemSelected(0)) << "the current item of a multiple selection is not selected";
  EXPECT_TRUE(multi->ItemSelected(1));
  EXPECT_TRUE(multi->ItemSelected(2));
  EXPECT_EQ(multi->ItemText(7), "");

  multi->SetClientSize(120, 60);
  EXPECT_EQ(multi->Width(), 120 + 2 * list->frameWidth());
  EXPECT_EQ(multi->Height(), 60 + 2 * list->frameWidth());

  multi->ClearItems();
  EXPECT_EQ(multi->ItemCount(), 0);
  EXPECT_EQ(multi->CurrentIndex(), -1);

  std::unique_ptr<FormWidget> single = factory.CreateListBox(courier10(), false);
  for (const char* text : {"a", "b", "c"}) single->AddItem(text);
  single->SetCurrentIndex(2);
  EXPECT_EQ(single->CurrentIndex(), 2);
  EXPECT_TRUE(single->ItemSelected(2));
}

TEST_F(Surface, DropDownAndMultiLineEdit) {
  std::unique_ptr<FormWidget> combo = factory.CreateComboBox(courier10());
  auto* box = surface.findChild<QComboBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isEditable());
  EXPECT_GT(combo->Height(), 0) << "the toolkit's own height";
  for (const char* text : {"Pondělí", "Úterý"}) combo->AddItem(text);
  combo->SetCurrentIndex(1);
  EXPECT_EQ(box->currentText(), QString::fromUtf8("Úterý"));
  EXPECT_EQ(combo->ItemText(1), std::string("Úterý"));
  EXPECT_TRUE(combo->ItemSelected(1));
  EXPECT_FALSE(combo->ItemSelected(0));

  std::unique_ptr<FormWidget> memo = factory.CreateMemo(courier10(), false);
  std::unique_ptr<FormWidget> wrapped = factory.CreateMemo(courier10(), true);
  auto memos = surface.findChildren<QPlainTextEdit*>();
  ASSERT_EQ(memos.size(), 2);
  EXPECT_EQ(memos[0]->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(memos[1]->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  memo->SetText(std::string("první řádek\ndruhý řádek"));
  EXPECT_EQ(memos[0]->toPlainText(), QString::fromUtf8("první řádek\ndruhý řádek"));
  EXPECT_EQ(memo->Text(), std::string("první řádek\ndruhý řádek"));
  memos[0]->moveCursor(QTextCursor::End);
  memo->CaretToStart();
  EXPECT_EQ(memos[0]->textCursor().position(), 0);
}

TEST_F(Surface, FormSubmitsWhatTheUserTyped) {
  testing::RecordingHost host;
  TSectionList doc(host);
  host.Widgets = &factory;
  std::vector<std::string> results;
  host.OnSubmit = [&](const FormSubmission& s) { results = s.Results; };
  ThtmlForm* form = nullptr;
  TMyFont font;
  TSection block(0, 1, nullptr, font);
  TAttributeList edit;
  edit.Add(attrName, 0, "hledej");
  AddFormControl(block, tagInput, doc, &doc, edit, form);
  TAttributeList hidden;
  hidden.Add(attrType, 0, "hidden");
  hidden.Add(attrName, 0, "jazyk");
  hidden.Add(attrValue, 0, std::string("čeština"));
  AddFormControl(block, tagInput, doc, &doc, hidden, form);

  auto* line = surface.findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
  line->setGeometry(0, 0, 200, 22);
  typeInto(line, QString::fromUtf8("Žalm 23"));
  QTest::keyClick(line, Qt::Key_Return);
  // A page read in Windows-1250 submits in it, a page in UTF-8 in UTF-8.
  EXPECT_EQ(results, (std::vector<std::string>{"hledej=\x8E" "alm 23", "jazyk=\xE8" "e\x9Atina"}));
  doc.DocumentCharset = Charset::Utf8;
  QTest::keyClick(line, Qt::Key_Return);
  EXPECT_EQ(results, (std::vector<std::string>{"hledej=Žalm 23", "jazyk=čeština"}));
}

TEST_F(Surface, FocusReachesTheEngine) {
  std::unique_ptr<FormWidget> first = factory.CreateEdit(courier10(), false, -1);
  std::unique_ptr<FormWidget> radio = factory.CreateRadioButton();
  first->SetBounds(0, 0, 100, 22);
  radio->SetBounds(0, 30, 13, 14);
  // Controls start hidden; the document shows those in view.
  EXPECT_FALSE(first->Visible());
  EXPECT_FALSE(radio->Visible());
  first->SetVisible(true);
  radio->SetVisible(true);
  QApplication::setActiveWindow(&surface);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&surface));
  first->SetFocus();
  std::vector<std::string> events;
  first->OnFocusIn = [&] { events.push_back("edit in"); };
  first->OnFocusOut = [&] { events.push_back("edit out"); };
  radio->OnFocusIn = [&] { events.push_back("radio in"); };
  radio->OnFocusOut = [&] { events.push_back("radio out"); };
  radio->SetFocus();
  EXPECT_TRUE(radio->Focused());
  EXPECT_FALSE(first->Focused());
  first->SetFocus();
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(events, (std::vector<std::string>{"edit out", "radio in", "radio out", "edit in"}));
  // A focused control that goes away calls nobody.
  first.reset();
  EXPECT_EQ(events.size(), 4u);
}

TEST_F(Surface, ControlsOutliveTheirSurfaceSafely) {
  auto owner = std::make_unique<QWidget>();
  QtFormWidgetFactory ownFactory(owner.get());
  std::unique_ptr<FormWidget> edit = ownFactory.CreateEdit(courier10(), false, -1);
  owner.reset();
  EXPECT_EQ(edit->Width(), 0);
  edit->SetText("x");
  EXPECT_EQ(edit->Text(), "");
  edit.reset();
}

// ---------------------------------------------------------------- controls made later

// One kind of control as a document would set it up, through the engine's interface.
struct ControlCase {
  const char* name;
  std::function<std::unique_ptr<FormWidget>(FormWidgetFactory&)> make;
};

std::vector<ControlCase> controlCases() {
  auto items = [](FormWidget& w, std::initializer_list<const char*> texts) {
    w.ClearItems();
    for (const char* t : texts) w.AddItem(t);
  };
  return {
      {"edit", [](FormWidgetFactory& f) {
         auto w = f.CreateEdit(courier10(), false, 6);
         w->SetBounds(10, 10, 165, 20);
         w->SetText("Žluťoučký kůň");
         return w;
       }},
      {"password", [](FormWidgetFactory& f) {
         auto w = f.CreateEdit(courier10(), true, -1);
         w->SetBounds(10, 10, 120, 20);
         w->SetText("tajné");
         return w;
       }},
      {"button", [](FormWidgetFactory& f) {
         auto w = f.CreateButton("Odeslat");
         w->SetBounds(10, 10, 80, 25);
         return w;
       }},
      {"check box", [](FormWidgetFactory& f) {
         auto w = f.CreateCheckBox();
         w->SetBounds(10, 10, 13, 13);
         w->SetChecked(true);
         return w;
       }},
      {"radio button", [](FormWidgetFactory& f) {
         auto w = f.CreateRadioButton();
         w->SetBounds(10, 10, 13, 14);
         w->SetBackground(0x00FFFF);
         w->SetChecked(true);
         return w;
       }},
      {"drop-down list", [items](FormWidgetFactory& f) {
         auto w = f.CreateComboBox(courier10());
         items(*w, {"jedna", "dva", "tři"});
         w->SetClientSize(120, -1);
         w->SetBounds(10, 10, w->Width(), w->Height());
         return w;
       }},
      {"list box", [items](FormWidgetFactory& f) {
         auto w = f.CreateListBox(courier10(), false);
         items(*w, {"alfa", "beta", "gama", "delta", "epsilon", "zéta"});
         w->SetCurrentIndex(1);
         w->SetBounds(10, 10, 0, 0);
         w->SetClientSize(110, 60);
         return w;
       }},
      {"multiple list box", [items](FormWidgetFactory& f) {
         auto w = f.CreateListBox(courier10(), true);
         items(*w, {"red", "green", "blue"});
         w->SetItemSelected(0, true);
         w->SetItemSelected(2, true);
         w->SetCurrentIndex(1);
         w->SetBounds(10, 10, 0, 0);
         w->SetClientSize(80, 50);
         return w;
       }},
      {"text area", [](FormWidgetFactory& f) {
         auto w = f.CreateMemo(courier10(), false);
         w->SetBounds(10, 10, 0, 0);
         w->SetClientSize(160, 50);
         w->SetText("první\ndruhý\ntřetí");
         w->CaretToStart();
         return w;
       }},
      {"wrapping text area", [](FormWidgetFactory& f) {
         auto w = f.CreateMemo(courier10(), true);
         w->SetBounds(10, 10, 0, 0);
         w->SetClientSize(120, 50);
         w->SetText("text, který se zalomí do řádků");
         w->CaretToStart();
         return w;
       }},
  };
}

// What the engine reads back from a control.
std::string readBack(const FormWidget& w) {
  std::string out = std::to_string(w.Left()) + "," + std::to_string(w.Top()) + " " + std::to_string(w.Width()) + "x" +
                    std::to_string(w.Height()) + " text=" + w.Text() + " checked=" + std::to_string(w.Checked()) +
                    " current=" + std::to_string(w.CurrentIndex()) + " items=";
  for (int i = 0; i < w.ItemCount(); ++i) out += w.ItemText(i) + (w.ItemSelected(i) ? "*" : "") + ";";
  return out;
}

TEST_F(Surface, AControlWithoutItsWidgetReadsAsTheWidgetWouldAndMakesItAlike) {
  for (const ControlCase& setUp : controlCases()) {
    SCOPED_TRACE(setUp.name);
    LazyFormWidgetFactory lazyFactory(&surface);
    std::unique_ptr<FormWidget> real = setUp.make(factory);
    std::unique_ptr<FormWidget> lazy = setUp.make(lazyFactory);
    EXPECT_EQ(lazyFactory.RealCount(), 0);
    EXPECT_EQ(readBack(*lazy), readBack(*real));
    ASSERT_TRUE(LazyFormWidgetFactory::Realize(lazy.get()));
    EXPECT_EQ(lazyFactory.RealCount(), 1);
    EXPECT_NE(formWidgetOf(lazy.get()), nullptr);
    EXPECT_EQ(readBack(*lazy), readBack(*real));
  }
}

TEST_F(Surface, PicturesOfControlsLookLikeTheirWidgets) {
  for (const ControlCase& setUp : controlCases()) {
    SCOPED_TRACE(setUp.name);
    LazyFormWidgetFactory lazyFactory(&surface);
    std::unique_ptr<FormWidget> control = setUp.make(lazyFactory);
    control->SetVisible(true);
    const QRect place(control->Left(), control->Top(), control->Width(), control->Height());
    QImage picture(surface.size(), QImage::Format_RGB32);
    picture.fill(surface.palette().color(QPalette::Window));
    {
      QPainter painter(&picture);
      lazyFactory.PaintPictures(painter, picture.rect());
    }
    ASSERT_TRUE(LazyFormWidgetFactory::Realize(control.get()));
    const QImage widget = surface.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(widget.size(), place.size());
    const QRgb background = picture.pixel(0, 0);
    int differing = 0, drawn = 0;
    for (int y = 0; y < place.height(); ++y)
      for (int x = 0; x < place.width(); ++x) {
        const QRgb a = picture.pixel(place.x() + x, place.y() + y), b = widget.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        differing += d > 16;
        drawn += a != background;
      }
    const int area = place.width() * place.height();
    EXPECT_GT(drawn, area / 10) << "the picture shows the control";
    EXPECT_LE(differing, area / 100) << "of " << area << " pixels";
  }
}

TEST_F(Surface, TakingTheFocusMakesTheWidget) {
  LazyFormWidgetFactory lazyFactory(&surface);
  std::unique_ptr<FormWidget> edit = lazyFactory.CreateEdit(courier10(), false, -1);
  std::vector<std::string> events;
  edit->OnFocusIn = [&] { events.push_back("in"); };
  edit->SetBounds(5, 5, 100, 20);
  edit->SetVisible(true);
  QApplication::setActiveWindow(&surface);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&surface));
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(formWidgetOf(edit.get()), nullptr);
  edit->SetFocus();
  ASSERT_NE(formWidgetOf(edit.get()), nullptr);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(events, std::vector<std::string>{"in"});
  // What the user types is the control's text from now on.
  QTest::keyClicks(formWidgetOf(edit.get()), "ab");
  EXPECT_EQ(edit->Text(), "ab");
}

// What the user changed in a widget stays when the widget goes back to a picture, and
// comes back with the widget made again: texts, check marks, list choices.
TEST_F(Surface, AWidgetLetGoKeepsWhatTheUserChanged) {
  auto change = [](FormWidget& w) {
    w.SetText("změna");
    w.SetChecked(!w.Checked());
    if (w.ItemCount() == 0) return;
    w.SetItemSelected(0, !w.ItemSelected(0));
    w.SetCurrentIndex(w.ItemCount() - 1);
  };
  for (const ControlCase& setUp : controlCases()) {
    SCOPED_TRACE(setUp.name);
    LazyFormWidgetFactory lazyFactory(&surface);
    std::unique_ptr<FormWidget> real = setUp.make(factory);
    std::unique_ptr<FormWidget> control = setUp.make(lazyFactory);
    auto* lazy = dynamic_cast<LazyFormWidget*>(control.get());
    ASSERT_NE(lazy, nullptr);
    lazy->Realize();
    change(*real);
    change(*lazy);
    lazy->Release();
    ASSERT_FALSE(lazy->Real());
    EXPECT_EQ(readBack(*lazy), readBack(*real));
    lazy->Realize();
    EXPECT_EQ(readBack(*lazy), readBack(*real));
  }
}

// The control with the focus keeps its widget, and so does the one its window gives the
// focus back to when it is active again; another one goes back to a picture.
TEST_F(Surface, AFocusedControlKeepsItsWidget) {
  LazyFormWidgetFactory lazyFactory(&surface);
  std::unique_ptr<FormWidget> edit = lazyFactory.CreateEdit(courier10(), false, -1);
  std::unique_ptr<FormWidget> other = lazyFactory.CreateEdit(courier10(), false, -1);
  auto* lazy = dynamic_cast<LazyFormWidget*>(edit.get());
  edit->SetBounds(5, 5, 100, 20);
  other->SetBounds(5, 40, 100, 20);
  edit->SetVisible(true);
  other->SetVisible(true);
  QWidget elsewhere;
  elsewhere.resize(50, 50);
  elsewhere.show();
  for (QWidget* active : {&surface, &elsewhere}) {
    SCOPED_TRACE(active == &surface ? "focused" : "its window inactive");
    active->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(active));
    if (active == &surface) {
      edit->SetFocus();
      QTest::keyClicks(formWidgetOf(edit.get()), "ab");
    }
    lazy->Release();
    EXPECT_TRUE(lazy->Real());
    EXPECT_EQ(edit->Text(), "ab");
  }
  surface.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&surface));
  other->SetFocus();
  lazy->Release();
  EXPECT_FALSE(lazy->Real());
  EXPECT_EQ(edit->Text(), "ab");
}

}  // namespace
}  // namespace tavra
