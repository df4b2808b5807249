#include "report/ReportWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "core/Edition.h"
#include "core/ProgressDlg.h"
#include "hostapi/StDATAINFO.h"
#include "platform/FileSystem.h"
#include "platform/Resources.h"
#include "platform/TaskMemory.h"
#include "report/ReportTestSupport.h"
#include "report/XmlWriter.h"
#include "support/FailingFileSystem.h"
#include "support/FakeProgressWindow.h"
#include "support/RunParts.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using reporttest::EntriesIn;
using reporttest::ReadFile;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using testsupport::Sjis;

std::string SampleSupportFile() {
    return Sjis(
        "[=製品名=]Tellary２１\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n"
        "[=サポート窓口=]Tellaryサポートセンター\r\n");
}

// Each test runs with an empty folder "cwd" as the current folder (where the
// support file is looked for) and writes into the empty folder "out".
class ReportWriterTest : public testsupport::RunPartsTest {
protected:
    void SetUp() override {
        ASSERT_FALSE(scratch_.Path().empty());
        ASSERT_TRUE(platform::Files().MakeDirectory(scratch_ / "cwd"));
        ASSERT_TRUE(platform::Files().MakeDirectory(scratch_ / "out"));
        ASSERT_TRUE(platform::Files().SetCurrentFolder(scratch_ / "cwd"));

        SetName(Sjis("松本表具店"));
        entry_.returnKind = hostapi::kBlueReturn;
        entry_.periodFrom = 20210101;
        entry_.periodTo = 20211231;

        // Enough collected data for a blue business report: the 43rd row and
        // the deduction choice it needs.
        for (int row = 0; row < 43; ++row) {
            collected_.rows.push_back(std::make_unique<StAOSUMINFO>());
        }
        GeneralBlock(0);
        SetChoice(1);
    }

    void SetName(const std::string& name) {
        std::memset(entry_.companyName, 0, sizeof entry_.companyName);
        std::memcpy(entry_.companyName, name.data(),
                    std::min(name.size(), sizeof entry_.companyName));
    }

    void SupportFile(const std::string& bytes) {
        ASSERT_TRUE(reporttest::WriteFile(scratch_ / "cwd\\SUPPORT.INF", bytes));
    }

    // The written report; empty when WriteReport failed.
    std::string Report(std::int16_t functionId = 1) {
        if (writer_->WriteReport(path_, functionId, &entry_) != 1) {
            ADD_FAILURE() << "WriteReport failed";
            return {};
        }
        return ReadFile(path_).value_or("(unreadable)");
    }

    std::set<std::string> Output() { return EntriesIn(scratch_.NativePath() / "out"); }

    testsupport::TempFolder scratch_;
    reporttest::CurrentFolderGuard guard_;
    std::string path_ = scratch_ / "out\\report.xml";
    // The report writer as the run makes it: business income from 50 %.
    std::unique_ptr<ReportWriter> writer_ = ReportOf(income_kind::kBusiness, 500);
};

std::string SystemSection(const std::string& functionId, const std::string& name,
                          const std::string& version) {
    return "\t<SYSTEM>\r\n"
           "\t\t<GYOUMUPREFIX>NV14</GYOUMUPREFIX>\r\n"
           "\t\t<VERSION>1</VERSION>\r\n"
           "\t\t<FUNCTIONID>" +
           functionId +
           "</FUNCTIONID>\r\n"
           "\t\t<CONNECTEDPROGRAMVER>21.01.01</CONNECTEDPROGRAMVER>\r\n"
           "\t\t<PROGRAMNAME>" +
           name +
           "</PROGRAMNAME>\r\n"
           "\t\t<PROGRAMVER>" +
           version +
           "</PROGRAMVER>\r\n"
           "\t</SYSTEM>\r\n";
}

TEST(ReportResources, VersionStringIsResourceOne) {
    EXPECT_EQ(platform::ResourceText(1), "21.01.01");
    EXPECT_EQ(platform::ResourceText(999), "");
}

TEST_F(ReportWriterTest, StartedInteractivelyWithoutSupportFile) {
    EXPECT_THAT(Report(1), HasSubstr(SystemSection("1", Sjis("Tellary２１"), "21.00.0X")));
}

TEST_F(ReportWriterTest, ProEditionNamesItsOwnProduct) {
    writer_ = ReportOf(income_kind::kBusiness, 500, Edition::Brenlopro());
    EXPECT_THAT(Report(1), HasSubstr(SystemSection("1", Sjis("Tellary２１ PRO"), "21.00.0X")));
}

TEST_F(ReportWriterTest, FunctionIdIsTheSixteenBitValue) {
    EXPECT_THAT(Report(static_cast<std::int16_t>(70000)),
                HasSubstr("\t\t<FUNCTIONID>4464</FUNCTIONID>\r\n"));
    EXPECT_THAT(Report(7), HasSubstr("\t\t<FUNCTIONID>7</FUNCTIONID>\r\n"));
    EXPECT_THAT(Report(-2), HasSubstr("\t\t<FUNCTIONID>-2</FUNCTIONID>\r\n"));
}

TEST_F(ReportWriterTest, SupportFileNamesTheProductInBothEditions) {
    SupportFile(SampleSupportFile());
    EXPECT_THAT(Report(1), HasSubstr(SystemSection("1", Sjis("Tellary２１"), "21.00.05")));
    writer_ = ReportOf(income_kind::kBusiness, 500, Edition::Brenlopro());
    SupportFile(Sjis("[=製品名=]Tellary２１ PRO\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.06\r\n"));
    EXPECT_THAT(Report(1), HasSubstr(SystemSection("1", Sjis("Tellary２１ PRO"), "21.00.06")));
}

TEST_F(ReportWriterTest, EmptySupportValuesGiveTheDefaults) {
    SupportFile(Sjis("[=製品名=]\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]\r\n"));
    EXPECT_THAT(Report(1), HasSubstr(SystemSection("1", Sjis("Tellary２１"), "21.00.0X")));
}

TEST_F(ReportWriterTest, SupportValuesAreEscapedAndWrittenWhole) {
    const std::string name = "R&D <" + std::string(300, 'x') + ">";
    SupportFile(Sjis("[=製品名=]") + name + "\r\n");
    EXPECT_THAT(Report(1), HasSubstr("\t\t<PROGRAMNAME>R&amp;D &lt;" + std::string(300, 'x') +
                                     "&gt;</PROGRAMNAME>\r\n"));
}

TEST_F(ReportWriterTest, BasicSection) {
    SetName(Sjis("ﾏﾂﾓﾄ表具店 Shop-21ｶﾞﾊﾟ"));
    writer_ = ReportOf(3, 500);
    EXPECT_THAT(Report(), HasSubstr("\t<BASIC>\r\n"
                                    "\t\t<KOMONSAKINAME>" +
                                    Sjis("マツモト表具店　Ｓｈｏｐ－２１ガパ") +
                                    "</KOMONSAKINAME>\r\n"
                                    "\t\t<AOSIROKUBUN>1</AOSIROKUBUN>\r\n"
                                    "\t\t<JIGYOUNENDOFROM>20210101</JIGYOUNENDOFROM>\r\n"
                                    "\t\t<JIGYOUNENDOTO>20211231</JIGYOUNENDOTO>\r\n"
                                    "\t\t<SYOTOKUSYURUI>3</SYOTOKUSYURUI>\r\n"
                                    "\t</BASIC>\r\n"
                                    "\t<DATA>\r\n"));
}

TEST_F(ReportWriterTest, ReturnFormIsTwoForWhiteReturnsOnly) {
    const std::pair<int, const char*> cases[] = {{3, "1"}, {4, "2"}, {0, "1"}, {5, "1"}};
    for (const auto& [returnKind, expected] : cases) {
        entry_.returnKind = static_cast<std::int8_t>(returnKind);
        EXPECT_THAT(Report(),
                    HasSubstr(std::string("\t\t<AOSIROKUBUN>") + expected + "</AOSIROKUBUN>\r\n"))
            << "returnKind " << returnKind;
    }
}

TEST_F(ReportWriterTest, NameUpToTheBufferEndWithoutNul) {
    std::memset(entry_.companyName, 'A', sizeof entry_.companyName);
    std::string full;
    for (int i = 0; i < 31; ++i) {
        full += Sjis("Ａ");
    }
    EXPECT_THAT(Report(), HasSubstr("<KOMONSAKINAME>" + full + "</KOMONSAKINAME>"));
}

TEST(ReportFullWidth, NamesUpToThirtyBytesAreConvertedWhole) {
    EXPECT_EQ(ReportWriter::ToFullWidth(""), "");
    EXPECT_EQ(ReportWriter::ToFullWidth(Sjis("ｶﾌﾞｼｷｶﾞｲｼｬ ﾏﾂﾓﾄ")),
              Sjis("カブシキガイシャ　マツモト"));
    EXPECT_EQ(ReportWriter::ToFullWidth(Sjis("松本表具店（京都）")), Sjis("松本表具店（京都）"));
    const std::string thirty(30, 'x');
    EXPECT_EQ(ReportWriter::ToFullWidth(thirty).size(), 60u);
}

TEST(ReportFullWidth, LongerNamesAreCutAtSixtyThreeBytesBetweenCharacters) {
    std::string full40;
    for (int i = 0; i < 31; ++i) {
        full40 += Sjis("ｘ");
    }
    // Forty half-width letters become eighty bytes; the 32nd character would
    // be split at 63, so 31 characters remain.
    EXPECT_EQ(ReportWriter::ToFullWidth(std::string(40, 'x')), full40);
    // A byte that stays single-byte shifts the characters: 63 bytes fit exactly.
    const std::string cut = ReportWriter::ToFullWidth("\x7F" + std::string(39, 'x'));
    EXPECT_EQ(cut, "\x7F" + full40);
    EXPECT_EQ(cut.size(), 63u);
    // 31 bytes that convert to no more than 63 stay whole.
    std::string kana31;
    std::string full31;
    for (int i = 0; i < 15; ++i) {
        kana31 += Sjis("ｶﾞ");
        full31 += Sjis("ガ");
    }
    kana31 += "x";
    full31 += Sjis("ｘ");
    EXPECT_EQ(ReportWriter::ToFullWidth(kana31), full31);
    // Double-byte characters that are already full-width are cut between them too.
    std::string kanji40;
    for (int i = 0; i < 20; ++i) {
        kanji40 += Sjis("表");
    }
    EXPECT_EQ(ReportWriter::ToFullWidth(kanji40), kanji40.substr(0, 62));
}

TEST_F(ReportWriterTest, IncomeKindChoosesTheIncomeElement) {
    entry_.returnKind = 0;  // neither form: the income element stays empty
    const std::pair<IncomeKind, std::string> cases[] = {
        {1, "EIGYOUSYOTOKU"}, {2, "SONOTASYOTOKU"}, {3, "FUDOUSANSYOTOKU"}};
    for (const auto& [kind, element] : cases) {
        writer_ = ReportOf(kind, 500);
        EXPECT_THAT(Report(), EndsWith("\t<DATA>\r\n\t\t<" + element + ">\r\n\t\t</" + element +
                                       ">\r\n\t</DATA>\r\n</REPORT>\r\n"));
    }
}

TEST_F(ReportWriterTest, IncomeKindOutsideTheRangeFailsAfterTheDataStart) {
    for (const IncomeKind kind : {IncomeKind{0}, IncomeKind{4}, IncomeKind{-1}}) {
        writer_ = ReportOf(kind, 500);
        EXPECT_EQ(writer_->WriteReport(path_, 1, &entry_), 0);
        EXPECT_EQ(Output(), std::set<std::string>());

        platform::MemorySink sink;
        XmlWriter xml;
        xml.Open(&sink);
        const std::size_t skip = testsupport::StartEnclosing(xml, sink, 1);
        EXPECT_EQ(writer_->WriteData(&xml, &entry_), 0);
        EXPECT_EQ(sink.Bytes().substr(skip), "\t<DATA>\r\n") << "kind " << kind;
    }
}

TEST_F(ReportWriterTest, SectionsRefuseMissingArguments) {
    EXPECT_EQ(writer_->WriteData(nullptr, &entry_), 0);
    EXPECT_EQ(writer_->WriteData(&xml_, nullptr), 0);
    EXPECT_EQ(writer_->WriteBasic(nullptr, &entry_), 0);
    EXPECT_EQ(writer_->WriteBasic(&xml_, nullptr), 0);
    EXPECT_EQ(writer_->WriteSystem(nullptr, 1), 0);
    EXPECT_EQ(Written(), "");
}

TEST_F(ReportWriterTest, WholeEnvelopeMatchesTheGoldenFile) {
    // A return form that is neither blue nor white leaves the income element
    // empty, so the file holds the envelope alone.
    SupportFile(SampleSupportFile());
    SetName(Sjis("松本表具店 ﾋｮｳｸﾞ Co."));
    entry_.returnKind = 0;
    writer_ = ReportOf(2, 500);
    const std::optional<std::string> golden =
        ReadFile(std::string(BRENLO_SOURCE_DIR) + "\\tests\\report\\golden\\Envelope.xml");
    ASSERT_TRUE(golden.has_value());
    EXPECT_EQ(Report(7), *golden);
    EXPECT_EQ(Output(), std::set<std::string>{"report.xml"});
}

TEST_F(ReportWriterTest, ProgressOfTheWholeReport) {
    testsupport::FakeProgressWindow* fake = progressWindow_;
    Report();

    // 101 + 101 + 301 steps: with the aggregation's 403, 906 for a whole run.
    EXPECT_EQ(fake->bars[CProgressDlg::kOverallBar].steps, 503);
    ASSERT_FALSE(fake->captions.empty());
    EXPECT_EQ(fake->captions.front(), Sjis("集計中 50％"));
    EXPECT_EQ(fake->captions.back(), Sjis("集計中 100％"));
    // Six passes per pulse: 15 pulses of the envelope (after the root start,
    // six SYSTEM values, before BASIC, five BASIC values, before DATA, the
    // last one) and one in each of the 503 steps.
    EXPECT_EQ(fake->bars[CProgressDlg::kActivityBar].steps, 6 * (15 + 503));
}

TEST_F(ReportWriterTest, ProgressStartsAtTheGivenBase) {
    testsupport::FakeProgressWindow* fake = progressWindow_;
    writer_ = ReportOf(income_kind::kBusiness, 700);
    Report();
    EXPECT_EQ(fake->bars[CProgressDlg::kOverallBar].steps, 101 + 101 + 101);
    EXPECT_EQ(fake->captions.front(), Sjis("集計中 70％"));
    EXPECT_EQ(fake->captions.back(), Sjis("集計中 100％"));
}

TEST_F(ReportWriterTest, ReplacesAnEarlierFile) {
    ASSERT_TRUE(reporttest::WriteFile(path_, std::string(5000, '#')));
    const std::string report = Report();
    EXPECT_THAT(report, EndsWith("</REPORT>\r\n"));
    EXPECT_EQ(report.find('#'), std::string::npos);
    EXPECT_EQ(Output(), std::set<std::string>{"report.xml"});
}

TEST_F(ReportWriterTest, TemporaryNameInUseIsLeftAlone) {
    ASSERT_TRUE(reporttest::WriteFile(path_ + ".tmp", "mine"));
    Report();
    EXPECT_EQ(ReadFile(path_ + ".tmp"), "mine");
    EXPECT_EQ(Output(), (std::set<std::string>{"report.xml", "report.xml.tmp"}));
}

TEST_F(ReportWriterTest, PathNearTheLongestOneGetsAShortTemporaryName) {
    // The longest folder Windows creates: "r.xml.tmp" would pass what it opens.
    std::string folder = scratch_ / "out";
    const std::size_t nameLength = 247 - folder.size() - 1;
    folder += "\\" + std::string(nameLength, 'd');
    ASSERT_TRUE(platform::Files().MakeDirectory(folder));
    const std::string path = folder + "\\r.xml";
    ASSERT_EQ(path.size(), 253u);
    EXPECT_EQ(writer_->WriteReport(path, 1, &entry_), 1);
    EXPECT_EQ(EntriesIn(scratch_.NativePath() / "out" / std::string(nameLength, 'd')),
              std::set<std::string>{"r.xml"});
}

TEST_F(ReportWriterTest, FolderInTheWayFailsTheReport) {
    ASSERT_TRUE(platform::Files().MakeDirectory(path_));
    EXPECT_EQ(writer_->WriteReport(path_, 1, &entry_), 0);
    EXPECT_EQ(platform::Files().KindOf(path_), platform::EntryKind::Directory);
    EXPECT_EQ(Output(), std::set<std::string>{"report.xml"});
}

TEST_F(ReportWriterTest, MissingFolderFailsTheReport) {
    const std::string path = scratch_ / "missing\\report.xml";
    EXPECT_EQ(writer_->WriteReport(path, 1, &entry_), 0);
    EXPECT_EQ(platform::Files().KindOf(scratch_ / "missing"), platform::EntryKind::None);
}

TEST_F(ReportWriterTest, EveryFailingWriteOrCloseFailsTheReportAndKeepsTheEarlierFile) {
    entry_.returnKind = 0;  // the envelope alone
    SupportFile(SampleSupportFile());
    int lines = 0;
    {
        testsupport::FailingFileSystem files;
        const std::string report = Report();
        lines = static_cast<int>(std::count(report.begin(), report.end(), '\n'));
        EXPECT_EQ(files.writes, 1) << "the lines reach the file through one buffer";
        EXPECT_EQ(files.closes, 1);
    }
    ASSERT_EQ(lines, 22);

    const std::string earlier = "earlier report\r\n";
    auto failOnce = [&](int write, int close) {
        for (const bool withEarlier : {true, false}) {
            if (withEarlier) {
                ASSERT_TRUE(reporttest::WriteFile(path_, earlier));
            } else {
                platform::Files().RemoveFile(path_);
            }
            testsupport::FailingFileSystem files;
            files.failingWrite = write;
            files.failingClose = close;
            EXPECT_EQ(writer_->WriteReport(path_, 1, &entry_), 0);
            if (withEarlier) {
                EXPECT_EQ(Output(), std::set<std::string>{"report.xml"});
                EXPECT_EQ(ReadFile(path_), earlier);
            } else {
                EXPECT_EQ(Output(), std::set<std::string>());
            }
        }
    };
    {
        SCOPED_TRACE("write");
        failOnce(1, 0);
    }
    SCOPED_TRACE("close");
    failOnce(0, 1);
}

}  // namespace
