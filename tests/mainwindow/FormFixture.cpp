#include "FormFixture.h"

#include "FontToolbar.h"
#include "Instances.h"
#include "ProgramHome.h"
#include "SpinEx.h"
#include "StatusPanel.h"

#include <QKeyEvent>

TTestForm::TTestForm(TInstanceRegistry& Instances, std::unique_ptr<IFormTimer> Timer)
    : TVelkForm(Instances, std::move(Timer))
{
    DocumentFiles().StandInForSaves([this] { FlSaveClick(); }, [this] { FlOverSaveClick(); });
}

void TTestForm::FlSaveClick()
{
    ++Saves;
    if (OnSave)
        OnSave();
    if (SaveWorks)
        DataMemo()->SetModified(false);
}

void TTestForm::FlOverSaveClick()
{
    ++OverSaves;
    if (SaveWorks)
        DataMemo()->SetModified(false);
}

const std::string& FormTest::Home() { return ProgramHome(); }

FormTest::FormTest()
{
    EmptyProgramHome();
    instances = std::make_unique<TInstanceRegistry>();
    NewRun();
}

void FormTest::NewRun()
{
    form.reset();
    SettingsVars = {};
    auto fakeTimer = std::make_unique<TFakeTimer>();
    timer = fakeTimer.get();
    form = std::make_unique<TTestForm>(*instances, std::move(fakeTimer));
}

void FormTest::RunOnceToWriteSettings()
{
    ASSERT_NO_FATAL_FAILURE(StartShown());
    ASSERT_TRUE(form->FormCloseQuery());
    ASSERT_TRUE(FileExists(SettingsFilePath()));
    NewRun();
}

FormTest::~FormTest()
{
    form.reset();
    instances.reset();
}

void FormTest::Type(const QString& Text)
{
    QTest::keyClicks(form->DataMemo(), Text);
    QApplication::processEvents();
}

void FormTest::Click(const char* Button)
{
    QTest::mouseClick(form->ToolButton(Button), Qt::LeftButton);
    QApplication::processEvents();
}

std::string FormTest::Panel(int Index) const { return form->StatusPanel(Index)->text().toStdString(); }

std::string FormTest::Titles() const
{
    std::string titles;
    for (int i = 0; i < form->DataTree()->Items().Count(); ++i)
        titles += (i ? "|" : "") + Title(i);
    return titles;
}

std::string FormTest::Enabled(std::initializer_list<const char*> Buttons) const
{
    std::string signs;
    for (const char* name : Buttons)
        signs += form->ToolButton(name)->Enabled() ? '+' : '-';
    return signs;
}

std::string FormTest::LastQuestion() const
{
    return dialogs.Questions().empty() ? "" : dialogs.Questions().back().Text;
}

TMySpinEdit& FormTest::WrapField() const { return *form->FontToolbar().WrapSpnEd(); }

void FormTest::FocusWrapField()
{
    if (!WrapField().isEnabled())
        Click("sbRTN");
    ASSERT_TRUE(WrapField().isEnabled());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(&WrapField(), Qt::LeftButton);
    ASSERT_TRUE(WrapField().hasFocus());
}

void FormTest::StartShown()
{
    ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->DataMemo()->setFocus();
    QApplication::processEvents();
}

RealFormTest::RealFormTest()
{
    form.reset();
    velk = std::make_unique<TVelkForm>(*instances, std::make_unique<TFakeTimer>());
    EXPECT_EQ(velk->FormCreate({}), TStartOutcome::Run);
}

RealFormTest::~RealFormTest() { velk.reset(); }

void RealFormTest::TypeInPage(const QString& Text)
{
    velk->DataMemo()->setFocus();
    for (const QChar c : Text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(velk->DataMemo(), QString(c));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(velk->DataMemo(), &press);
    }
    QApplication::processEvents();
}
