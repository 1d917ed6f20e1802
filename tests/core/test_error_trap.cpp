#include <gtest/gtest.h>

#include "AppTitle.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "RecordingMessenger.h"

namespace {

const QString ClearLocation = QString::fromLatin1(ReportLocation::Form1_PushButton3_Click);

TEST(ErrorReport, TextIsExactToTheByte)
{
    EXPECT_EQ(errorReportText(QStringLiteral("Permission denied"), ClearLocation, 102),
              QStringLiteral("Permission denied\r\nin Quillcrest2021/08/31.Form1.PushButton3_Click at line 102"
                             "\r\rPlease email screenshot of this message to support@tessaline.example"));
}

TEST(ErrorReport, EmptyDescriptionLeavesTheFirstLineEmpty)
{
    const QString text = errorReportText(QString(), ClearLocation, 7);
    EXPECT_TRUE(text.startsWith(QStringLiteral("\r\nin Quillcrest")));
    EXPECT_TRUE(text.contains(QStringLiteral("at line 7\r\r")));
}

TEST(ErrorReport, ShowsWarningWithItsOwnCaption)
{
    RecordingMessenger messenger;
    ShowErrorReport(messenger, QStringLiteral("x"), ClearLocation, 100);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0].caption, QStringLiteral("Application Error"));
    EXPECT_EQ(messenger.messages[0].icon, Messenger::Icon::Warning);
}

TEST(ErrorTrap, EachFailingStepReportsItsLineAndTheNextStepRuns)
{
    RecordingMessenger messenger;
    ErrorTrap trap(messenger, ClearLocation);
    QStringList ran;
    trap.step(100, [&] {
        ran << "100";
        throw Failure(QStringLiteral("first"));
    });
    trap.step(102, [&] { ran << "102"; });
    trap.step(104, [&] { throw std::runtime_error("second"); });
    trap.step(106, [&] { throw 42; });
    trap.step(108, [&] { ran << "108"; });

    EXPECT_EQ(ran, (QStringList{"100", "102", "108"}));
    ASSERT_EQ(messenger.messages.size(), 3u);
    EXPECT_TRUE(messenger.messages[0].text.startsWith(QStringLiteral("first\r\n")));
    EXPECT_TRUE(messenger.messages[0].text.contains(QStringLiteral("at line 100\r\r")));
    EXPECT_TRUE(messenger.messages[1].text.contains(QStringLiteral("at line 104\r\r")));
    EXPECT_TRUE(messenger.messages[2].text.contains(QStringLiteral("at line 106\r\r")));
    EXPECT_EQ(trap.reportCount(), 3);
}

TEST(ErrorTrap, AProblemWithTheUsersFileIsToldInItsOwnWordsAndTheNextStepRuns)
{
    RecordingMessenger messenger;
    ErrorTrap trap(messenger, ClearLocation);
    bool nextRan = false;
    trap.step(100, [&] { throw FileProblem(QStringLiteral("Your letter template /x.docx is gone.")); });
    trap.step(102, [&] { nextRan = true; });
    EXPECT_TRUE(nextRan);
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(messenger.messages[0].text, QStringLiteral("Your letter template /x.docx is gone."));
    EXPECT_TRUE(messenger.messages[0].caption.isEmpty()); // the application title
    EXPECT_EQ(messenger.messages[0].icon, Messenger::Icon::Warning);
}

TEST(ErrorTrap, LoopsRunAllIterationsAfterAFailure)
{
    RecordingMessenger messenger;
    ErrorTrap trap(messenger, ClearLocation);
    int after = 0;
    for (int i = 0; i < 5; ++i) {
        trap.step(110, [&] {
            if (i == 2)
                throw Failure(QStringLiteral("bad"));
        });
        trap.step(112, [&] { ++after; });
    }
    EXPECT_EQ(after, 5);
    EXPECT_EQ(messenger.messages.size(), 1u);
}

TEST(ErrorTrap, AFailingConditionalTestEntersTheConditional)
{
    RecordingMessenger messenger;
    ErrorTrap trap(messenger, ClearLocation);
    bool entered = false;
    if (trap.test(120, []() -> bool { throw Failure(QStringLiteral("cannot test")); }))
        entered = true;
    EXPECT_TRUE(entered);
    EXPECT_FALSE(trap.test(122, [] { return false; }));
    EXPECT_EQ(messenger.messages.size(), 1u);
}

// A procedure with no trap of its own.
void callee(QStringList &ran)
{
    ran << "callee start";
    throw Failure(QStringLiteral("inside"));
}

TEST(ErrorTrap, AFailingCalleeIsAbandonedAndReportedAtTheCallersLine)
{
    RecordingMessenger messenger;
    ErrorTrap trap(messenger, ClearLocation);
    QStringList ran;
    trap.step(130, [&] {
        callee(ran);
        ran << "after callee, same step";
    });
    trap.step(132, [&] { ran << "next step"; });
    EXPECT_EQ(ran, (QStringList{"callee start", "next step"}));
    ASSERT_EQ(messenger.messages.size(), 1u);
    EXPECT_TRUE(messenger.messages[0].text.startsWith(QStringLiteral("inside\r\n") + ClearLocation
                                                      + QStringLiteral("at line 130")));
}

TEST(AppTitle, CutBackAtSpacesToFortyCharacters)
{
    EXPECT_EQ(shortenedTitle(QStringLiteral("Tessaline")), QStringLiteral("Tessaline"));
    EXPECT_EQ(shortenedTitle(QStringLiteral("Tessaline Cover Letter Writer For Busy People Everywhere")),
              QStringLiteral("Tessaline Cover Letter Writer For Busy"));
    SetAppTitle();
    EXPECT_EQ(appTitle(), QStringLiteral("Tessaline"));
}

} // namespace
