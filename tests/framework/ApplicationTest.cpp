#include "TestPage.h"

#include "ui/Application.h"
#include "ui/Image.h"
#include "ui/Timer.h"
#include "tests/support/TestThread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() { application.SetTitle("云雀视界安装向导"); }

    // Pages are read from TTESTPAGE in the test program's resources.
    TTestPage &CreatePage()
    {
        TTestPage *page = nullptr;
        application.CreateForm(page);
        return *page;
    }

    static void Click(ui::TForm &page, int x, int y)
    {
        SendMessageA(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    ui::TApplication application;
};


} // namespace

TEST_F(ApplicationTest, IsReachableProcessWideAndOwnsEveryPage)
{
    EXPECT_EQ(ui::Application, &application);
    TTestPage &first = CreatePage();
    TTestPage &second = CreatePage();
    EXPECT_EQ(application.MainForm(), &first);
    EXPECT_EQ(GetWindow(first.Handle(), GW_OWNER), application.Handle());
    EXPECT_EQ(GetWindow(second.Handle(), GW_OWNER), application.Handle());
    char title[64] = {};
    GetWindowTextA(application.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "云雀视界安装向导");
    // Borderless: no caption, frame or system buttons.
    EXPECT_EQ(GetWindowLongA(first.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
}

TEST_F(ApplicationTest, TerminateInsideAHandlersMessagePumpingLetsTheHandlerFinish)
{
    TTestPage &page = CreatePage();
    auto &timer = page.CreateComponent<ui::TTimer>();
    timer.SetInterval(10);
    // A second clock (the slideshow's) keeps ticking while the step waits.
    auto &slideshow = page.CreateComponent<ui::TTimer>();
    slideshow.SetInterval(10);
    int slideshowTicksWhileWaiting = 0;
    bool waiting = false;
    slideshow.OnTimer = [&](ui::TObject *) {
        if (waiting)
            ++slideshowTicksWhileWaiting;
    };
    bool handlerFinished = false;
    bool terminatedSeenInside = false;
    int ticks = 0;
    timer.OnTimer = [&](ui::TObject *) {
        ++ticks;
        timer.SetEnabled(false);
        application.Terminate();
        waiting = true;
        // The wait of a long-running step.
        for (int turn = 0; turn < 10; ++turn) {
            application.ProcessMessages();
            Sleep(15);
        }
        application.ProcessMessages();
        waiting = false;
        terminatedSeenInside = application.Terminated();
        handlerFinished = true;
    };
    application.Run();
    EXPECT_TRUE(handlerFinished);
    EXPECT_TRUE(terminatedSeenInside);
    EXPECT_EQ(ticks, 1);
    EXPECT_GT(slideshowTicksWhileWaiting, 0);
    EXPECT_TRUE(application.Terminated());
}

TEST_F(ApplicationTest, TerminateFromAClickEndsTheLoopOnceTheClickReturns)
{
    TTestPage &page = CreatePage();
    int clicksAfterTerminate = 0;
    page.OnClick = [&](ui::TObject *) {
        application.Terminate();
        ++clicksAfterTerminate;
    };
    PostMessageA(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 80));
    PostMessageA(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 80));
    application.Run();
    EXPECT_EQ(clicksAfterTerminate, 1);
}

TEST_F(ApplicationTest, MinimiseHidesEveryPageAndRestoreShowsThoseStillMeantToBeVisible)
{
    TTestPage &first = CreatePage();
    TTestPage &second = CreatePage();
    TTestPage &third = CreatePage();
    first.Show();
    second.Show();
    ASSERT_TRUE(IsWindowVisible(first.Handle()));

    application.Minimize();
    EXPECT_TRUE(application.Minimized());
    EXPECT_TRUE(IsIconic(application.Handle()));
    EXPECT_FALSE(IsWindowVisible(first.Handle()));
    EXPECT_FALSE(IsWindowVisible(second.Handle()));
    // Hand-over while minimised: shown and hidden pages stay out of sight.
    third.Show();
    second.Hide();
    EXPECT_FALSE(IsWindowVisible(third.Handle()));

    // What the taskbar button does.
    SendMessageA(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(application.Minimized());
    EXPECT_FALSE(IsIconic(application.Handle()));
    EXPECT_TRUE(IsWindowVisible(first.Handle()));
    EXPECT_FALSE(IsWindowVisible(second.Handle()));
    EXPECT_TRUE(IsWindowVisible(third.Handle()));
}

TEST_F(ApplicationTest, RestoreWorksAfterAMinimisingThatWasNotTheWizardsOwn)
{
    CreatePage().Show();
    // As the shell's "minimise all" does it.
    ShowWindow(application.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(application.Handle()));
    SendMessageA(application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(application.Handle()));
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheApplicationWhileOtherPagesStay)
{
    TTestPage &main = CreatePage();
    TTestPage &other = CreatePage();
    other.Show();
    SendMessageA(other.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(other.Handle())) << "a hidden page would leave nothing on screen";
    EXPECT_FALSE(application.Terminated());
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(application.Terminated());
}

TEST_F(ApplicationTest, ActivatingTheApplicationWindowActivatesThePageOnScreen)
{
    CreatePage();
    TTestPage &second = CreatePage();
    second.Show();
    SetActiveWindow(application.Handle());
    EXPECT_EQ(GetActiveWindow(), second.Handle());
}

TEST_F(ApplicationTest, ErrorsEscapingEventHandlersAreReportedAndTheProgramGoesOn)
{
    std::vector<std::string> reports;
    application.OnException = [&](const std::exception &error) { reports.push_back(error.what()); };
    TTestPage &page = CreatePage();
    page.Show();
    auto &image = page.CreateComponent<ui::TImage>();
    image.SetParent(&page);
    image.SetBounds(0, 0, 50, 50);
    image.OnClick = [&](ui::TObject *sender) { page.Explode(sender); };
    page.OnMouseDown = [&](ui::TObject *sender, ui::TMouseButton b, ui::TShiftState s, int x, int y) {
        page.ExplodeOnPress(sender, b, s, x, y);
    };
    Click(page, 10, 10);   // click on the image
    Click(page, 150, 80);  // press on the page, beside its picture

    auto &timer = page.CreateComponent<ui::TTimer>();
    timer.SetInterval(10);
    timer.OnTimer = [&](ui::TObject *sender) {
        timer.SetEnabled(false);
        page.Explode(sender);
    };
    const DWORD start = GetTickCount();
    while (reports.size() < 3 && GetTickCount() - start < 3000) {
        application.ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(reports, (std::vector<std::string>{"Disk full", "Pressed too hard", "Disk full"}));
    EXPECT_FALSE(application.Terminated());
}

TEST_F(ApplicationTest, AnErrorInACreateHandlerIsReportedAndThePageStillExists)
{
    std::vector<std::string> reports;
    application.OnException = [&](const std::exception &error) { reports.push_back(error.what()); };
    TTestPage page;
    page.LoadFromText("object P: TTestPage\n  OnCreate = Explode\n  object I: TImage\n  end\nend\n");
    EXPECT_EQ(reports, std::vector<std::string>{"Disk full"});
    EXPECT_EQ(page.Field<ui::TImage>("I").Parent(), &page);
}

TEST_F(ApplicationTest, TheDefaultErrorReportIsAModalBoxWithTheTextTheTitleAndOK)
{
    TTestPage &page = CreatePage();
    page.Show();
    std::atomic<bool> done{false};
    std::string text;
    bool pageDisabledMeanwhile = false;
    bool mouseFreeMeanwhile = false;
    const DWORD guiThread = GetCurrentThreadId();
    bool errorIcon = false;
    // Reads the box from another thread, as a user would, and presses OK.
    testing_support::TestThread reader([&] {
        for (int i = 0; i < 500 && !done; ++i) {
            HWND box = FindWindowA("#32770", "云雀视界安装向导");
            if (box) {
                char buffer[256] = {};
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
                pageDisabledMeanwhile = !IsWindowEnabled(page.Handle());
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                mouseFreeMeanwhile = GetGUIThreadInfo(guiThread, &info) && info.hwndCapture == nullptr;
                HWND icon = GetDlgItem(box, 0x14); // the icon: Windows' id, then Wine's
                if (!icon)
                    icon = GetDlgItem(box, 0x440);
                errorIcon = icon && reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) ==
                                        LoadIconA(nullptr, MAKEINTRESOURCEA(32513)); // IDI_HAND
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    SetCapture(page.Handle()); // as in the middle of a click
    application.ShowException(std::runtime_error("Error loading library C:\\Larkview\\7z.dll"));
    done = true;
    reader.join();
    EXPECT_EQ(text, "Error loading library C:\\Larkview\\7z.dll.");
    EXPECT_TRUE(pageDisabledMeanwhile);
    EXPECT_TRUE(mouseFreeMeanwhile);
    EXPECT_TRUE(errorIcon) << "the box shows the error icon";
    EXPECT_TRUE(IsWindowEnabled(page.Handle()));
}
