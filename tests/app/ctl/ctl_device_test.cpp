// The commands that talk to the mouse, run as a user runs them against the
// simulated mouse: info, list, backup and restore, the trace, a mouse that is
// absent or vanishes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/ctl/ctl_fixture.h"
#include "device/reports.h"

#ifndef CORVANE_CTL_GOLDEN_DIR
#error "CORVANE_CTL_GOLDEN_DIR names the folder of the golden outputs"
#endif

namespace corvane::testing {
namespace {

using ::testing::HasSubstr;

const std::filesystem::path kGolden = CORVANE_CTL_GOLDEN_DIR;

TEST_F(CtlTest, InfoOfTheFactoryMouse) {
    const CtlRun run = Ctl({"info", "--simulate"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ReadText(kGolden / "info-simulate.txt"));
    EXPECT_EQ(run.err, "");
}

// Every kind of button entry, decoded from what --apply wrote.
TEST_F(CtlTest, InfoDecodesEveryFunctionTheKeyPageGives) {
    const std::vector<std::vector<std::string>> sets = {
        {"button", "normal", "4", "fire-key", "A", "--times", "3", "--make", "7"},
        {"button", "normal", "5", "windows", "Calculator"},
        {"button", "normal", "3", "shift"},
        {"button", "shift", "1", "multimedia", "Mute"},
        {"button", "shift", "2", "single-key", "Num 5"},
        {"button", "shift", "4", "hot-key", "Paste"},
        {"button", "shift", "5", "snipe", "3000"},
        {"button", "normal", "2", "key-off"},
        {"rate", "250"},
        {"dpi", "3", "4000"},
        {"lighting", "mode1", "5"},
    };
    for (std::vector<std::string> set : sets) {
        set.insert(set.begin(), "set");
        set.push_back("--apply");
        set.push_back(SimulateMemory());
        ASSERT_EQ(Ctl(set).exitCode, 0) << set[2];
    }
    const CtlRun run = Ctl({"info", SimulateMemory()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, ReadText(kGolden / "info-after-sets.txt"));
}

TEST_F(CtlTest, InfoAsJsonCarriesTheWholeMemory) {
    const CtlRun run = Ctl({"info", "--simulate", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["reportRate"], "1000 Hz");
    EXPECT_EQ(json["buttons"]["normal"]["6"]["function"], "dpi-switch");
    EXPECT_EQ(json["memory"].get<std::string>().size(), 322u * 3 - 1);
}

TEST_F(CtlTest, ListNamesTheMouseChannelsAndAnInterfaceThatCannotBeOpened) {
    environment["CORVANE_SIM_UNOPENABLE"] = "foreign";
    const CtlRun run = Ctl({"list", "--simulate"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("3 HID interface(s)"));
    EXPECT_THAT(run.out, HasSubstr("cannot be opened (system error 5)"));
    EXPECT_THAT(run.out, HasSubstr("04D9:A09E  usage page 0x0001  usage 0x0002  feature length "
                                   "65  the mouse's data channel"));
    EXPECT_THAT(run.out, HasSubstr("usage 0x0006  feature length 8  the mouse's command channel"));
    // One interface that cannot be opened ends the window's search.
    EXPECT_THAT(run.out, HasSubstr("The mouse: not found"));
}

TEST_F(CtlTest, AnAbsentMouseIsExitOneWithWhatToDo) {
    environment["CORVANE_SIM_MOUSE_PRESENT"] = "0";
    ExpectRefused(Ctl({"info", "--simulate"}), 1, "was not found. Plug it in");
    ExpectRefused(Ctl({"backup", PathOf("b.bin"), "--simulate"}), 1, "was not found");
    EXPECT_FALSE(Exists("b.bin"));
}

TEST_F(CtlTest, AMouseThatStopsAnsweringDuringTheReadIsExitOne) {
    environment["CORVANE_SIM_FAIL_FROM_TRANSFER"] = "9";
    ExpectRefused(Ctl({"info", "--simulate"}), 1,
                  "ReadOperation: The system did not detect the gaming mouse!");
}

TEST_F(CtlTest, BackupChangeRestoreGivesTheBackedUpMemoryBack) {
    ASSERT_EQ(Ctl({"backup", PathOf("backup.bin"), SimulateMemory()}).exitCode, 0);
    const auto backup = Bytes("backup.bin");
    ASSERT_EQ(backup.size(), 322u);
    EXPECT_EQ(backup, Bytes("mouse.bin"));
    const std::string before = Ctl({"info", SimulateMemory()}).out;

    ASSERT_EQ(Ctl({"set", "button", "normal", "4", "fire-key", "B", "--apply", SimulateMemory()})
                  .exitCode,
              0);
    ASSERT_EQ(Ctl({"set", "rate", "125", "--apply", SimulateMemory()}).exitCode, 0);
    ASSERT_NE(Bytes("mouse.bin"), backup);

    const CtlRun restore = Ctl({"restore", PathOf("backup.bin"), SimulateMemory()});
    EXPECT_EQ(restore.exitCode, 0) << restore.err;
    EXPECT_THAT(restore.out, HasSubstr("read back equal"));
    EXPECT_EQ(Bytes("mouse.bin"), backup);
    EXPECT_EQ(Ctl({"info", SimulateMemory()}).out, before);
}

TEST_F(CtlTest, RestoreRefusesAFileOfTheWrongSizeAndLeavesTheMouseAlone) {
    ASSERT_EQ(Ctl({"backup", PathOf("backup.bin"), SimulateMemory()}).exitCode, 0);
    const auto memory = Bytes("mouse.bin");
    for (const std::size_t size : {321u, 323u, 0u}) {
        Write("wrong.bin", std::vector<std::uint8_t>(size, 0x11));
        ExpectRefused(Ctl({"restore", PathOf("wrong.bin"), SimulateMemory()}), 2,
                      "is not a backup of the mouse");
        EXPECT_EQ(Bytes("mouse.bin"), memory);
    }
    ExpectRefused(Ctl({"restore", PathOf("missing.bin"), SimulateMemory()}), 1, "does not exist");
}

// Lines of the trace without comments and descriptions.
std::vector<std::string> TraceTransfers(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line.substr(0, line.find(" | ")));
        }
    }
    return lines;
}

// The simulated mouse's wire log, each report unscrambled.
std::vector<std::string> DecodedWireLog(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string direction, channel; in >> direction >> channel;) {
        std::string rest;
        std::getline(in, rest);
        std::vector<std::uint8_t> bytes;
        std::istringstream hex(rest);
        for (unsigned value = 0; hex >> std::hex >> value;) {
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
        if (channel == "cmd") {
            CommandBytes report{};
            std::copy(bytes.begin(), bytes.end(), report.begin());
            UnscrambleCommandReport(report);
            bytes.assign(report.begin(), report.end());
        } else {
            DataBytes report{};
            std::copy(bytes.begin(), bytes.end(), report.begin());
            UnscrambleDataReport(report);
            bytes.assign(report.begin(), report.end());
        }
        std::string line = direction + " " + channel;
        char digits[4];
        for (const std::uint8_t b : bytes) {
            std::snprintf(digits, sizeof digits, " %02X", b);
            line += digits;
        }
        lines.push_back(line);
    }
    return lines;
}

TEST_F(CtlTest, TheTraceIsTheSimulatedMousesWireLogDecoded) {
    environment["CORVANE_SIM_WIRE_LOG"] = PathOf("wire.log");
    const CtlRun run = Ctl({"set", "button", "shift", "3", "fire-key", "F5", "--apply", "--trace",
                            PathOf("trace.txt"), SimulateMemory()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string trace = ReadText(folder / "trace.txt");
    const auto transfers = TraceTransfers(trace);
    EXPECT_EQ(transfers.size(), 17u + 18u);
    EXPECT_EQ(transfers, DecodedWireLog(ReadText(folder / "wire.log")));
    EXPECT_THAT(trace, HasSubstr("SET cmd 01 AA CC EE DD 80 00 00 | read header\n"));
    EXPECT_THAT(trace, HasSubstr("GET cmd 01 AA CC EE DD 80 01 01 | header reply: 1000 Hz, DPI "
                                 "stage 1\n"));
    EXPECT_THAT(trace, HasSubstr("| write page 3\n"));
    EXPECT_THAT(trace, HasSubstr("| acknowledgement of read page 5\n"));
}

TEST_F(CtlTest, TheTraceMarksTheTransferThatFailed) {
    environment["CORVANE_SIM_FAIL_FROM_TRANSFER"] = "3";
    Ctl({"info", "--simulate", "--trace", PathOf("trace.txt")});
    const std::string trace = ReadText(folder / "trace.txt");
    EXPECT_THAT(trace, HasSubstr("| read page 1 | FAILED\n"));
}

// The window's Save with a mouse that goes away: files stored, exit 1.
TEST_F(CtlTest, AMouseVanishingAtAnyWriteTransferOfApplyIsExitOne) {
    constexpr int kReadTransfers = 17;
    constexpr int kWriteTransfers = 18;
    for (int k = 1; k <= kWriteTransfers; ++k) {
        SCOPED_TRACE("write transfer " + std::to_string(k));
        std::filesystem::remove(folder / "config.bin");
        std::filesystem::remove(folder / "str.ini");
        environment["CORVANE_SIM_FAIL_FROM_TRANSFER"] = std::to_string(kReadTransfers + k);
        const CtlRun run = Ctl({"set", "rate", "250", "--apply", "--simulate"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_THAT(run.err, HasSubstr("WriteOperation: The system did not detect the gaming "
                                       "mouse!"));
        EXPECT_THAT(run.err, HasSubstr("did not reach the mouse; they are stored"));
        ASSERT_TRUE(Config());
        EXPECT_EQ(Config()->record.reportRate, 4);
        EXPECT_EQ(Config()->firstRunFlag, 1);
        EXPECT_EQ(Labels()[0][0], L"Left Click");
    }
    environment["CORVANE_SIM_FAIL_FROM_TRANSFER"] =
        std::to_string(kReadTransfers + kWriteTransfers + 1);
    EXPECT_EQ(Ctl({"set", "rate", "250", "--apply", "--simulate"}).exitCode, 0);
}

TEST_F(CtlTest, ApplyWithoutTheMouseChangesNoFile) {
    environment["CORVANE_SIM_MOUSE_PRESENT"] = "0";
    ExpectRefused(Ctl({"set", "rate", "250", "--apply", "--simulate"}), 1, "was not found");
    EXPECT_FALSE(Exists("config.bin"));
    EXPECT_FALSE(Exists("str.ini"));
}

TEST_F(CtlTest, AValueRefusedAsItIsParsedNeverReachesTheMouse) {
    // The simulated mouse's wire log shows any transfer.
    environment["CORVANE_SIM_WIRE_LOG"] = PathOf("wire.log");
    ExpectRefused(Ctl({"set", "rate", "300", "--apply", "--simulate"}), 2,
                  "the report rate 300 is not one the mouse has; choose 125, 250, 500 or 1000");
    ExpectRefused(Ctl({"set", "button", "normal", "4", "fire-key", "A", "--times", "128", "--apply",
                       "--simulate"}),
                  2, "--times 128 is out of range; give 0 to 127");
    EXPECT_FALSE(Exists("wire.log"));
    EXPECT_FALSE(Exists("config.bin"));
}

TEST_F(CtlTest, ApplyTakesTheDpiListOfTheMousesSensor) {
    environment["CORVANE_SIM_SENSOR_TYPE"] = "1";
    EXPECT_EQ(Ctl({"set", "dpi", "1", "1600", "--apply", "--simulate"}).exitCode, 0);
    ExpectRefused(Ctl({"set", "dpi", "1", "4000", "--apply", "--simulate"}), 2,
                  "not in the list of sensor type 1");
}

}  // namespace
}  // namespace corvane::testing
