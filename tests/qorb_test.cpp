// End to end: runs the built qorb on synthetic savegames and compares its
// standard output byte for byte, its exit status, and its silence on the
// error stream. Built with QORB_WINE, it runs a Windows qorb.exe under wine
// instead, where every line end must be CRLF.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fixture.hpp"

namespace {

const std::string BANNER =
    "\n"
    "Quorbel v1.1 on 26.08.2002\n"
    "Written by the qorb developers - Copyright (C) 2026 the qorb developers\n"
    "All rights reserved.\n"
    "\n";

const std::string HELP =
    "This program interrogates your decompressed/descrambled savegame and tells you\n"
    "your Federal, Imperial and Elite ranking, the number of rank points and combat\n"
    "rating points you have and how many more you require to be promoted in each\n"
    "field.  Your savegame must be descrambled by SGE first - this utility isn't\n"
    "too hard to find, try: https://sge.example.org/, or\n"
    "contact it's author on sge-author@example.org.  On\n"
    "the odd chance that I've included SGE with my little util, you should run the\n"
    "batch file to reduce the amount of keystrokes required, etc.,  it shouldn't be\n"
    "too hard to figure out how that works.\n"
    "\n"
    "Usage:  qorb <filename.ext> [options]\n"
    "    <filename.ext>  Filename of the descrambled savegame.\n"
    "    [options]       /? - Show this screen.\n"
    "\n"
    "qorb@example.org - Thanks..\n";

const SavegameFields SAMPLE = {"Example", 212, 300, 2500};

// The report on SAMPLE, after its progress line.
const std::string SAMPLE_REPORT =
    " Imperial     Federal            Req. Pts      Elite Fed.     Req. Kills\n"
    "------------------------------------------------------------------------\n"
    " Outsider     None                      0      Harmless                0\n"
    " Serf         Private                   2      Mostly Harmless         4\n"
    " Master       Corporal                 16      Poor                    8\n"
    " Sir          Sergeant                 82      Below Average          16\n"
    " Squire      [Sergeant-Major]         256      Average                32\n"
    " Lord         Major                   625      Above Average          64\n"
    " Baron        Colonel                1296     [Competent]            128\n"
    "[Viscount]    Lieutenant             2402      Dangerous            1000\n"
    " Count        Lieutenant Commander   4096      Deadly               3000\n"
    " Earl         Captain                6562      Elite                6000\n"
    " Marquis      Commodore             10000     \n"
    " Duke         Rear Admiral          14642     \n"
    " Prince       Admiral               20736     \n"
    "\n"
    "Commander Example, you have 2500 Imperial points and 300 Federal points.\n"
    "You have 212 confirmed kills.  Elite Fed rate you as Competent.\n";

const std::string SEEK_ERROR = "Seek error - have you descrambled the savegame using SGE?\n";

constexpr int STATUS_OPEN_FAILED = 254;  // -2 as a shell sees it
constexpr int STATUS_SEEK_FAILED = 252;  // -4

struct Outcome {
    std::string out;
    std::string err;
    int status;  // the exit status, or 1000 + the signal that ended the process
};

// How the child is started, beyond its arguments.
struct Launch {
    const std::string *input = nullptr;  // fed through a pipe on standard input
    const char *output_file = nullptr;   // standard output goes here instead of a pipe
    rlim_t data_limit = RLIM_INFINITY;
};

// Appends what the pipe holds now, without waiting for more.
void drain(int fd, std::string &text)
{
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// Collects the child's output until it exits. The end of the pipes is not
// waited for: processes that the child leaves behind (wine's own services)
// may hold them open for seconds.
int collect(pid_t pid, int out, int err, std::string &out_text, std::string &err_text)
{
    fcntl(out, F_SETFL, O_NONBLOCK);
    fcntl(err, F_SETFL, O_NONBLOCK);
    int status = 0;
    for (bool exited = false; !exited;) {
        pollfd ready[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
        poll(ready, 2, 10);
        exited = waitpid(pid, &status, WNOHANG) == pid;
        drain(out, out_text);
        drain(err, err_text);
    }
    close(out);
    close(err);
    return status;
}

#if defined(QORB_WINE)
// Turns CRLF line ends into LF, failing on a line end that lacks its CR.
std::string without_carriage_returns(const std::string &text)
{
    std::string lines;
    for (const char byte : text) {
        if (byte == '\n') {
            EXPECT_TRUE(!lines.empty() && lines.back() == '\r')
                << "a bare line feed at byte " << lines.size();
            if (!lines.empty() && lines.back() == '\r') {
                lines.pop_back();
            }
        }
        lines += byte;
    }
    return lines;
}
#endif

Outcome run_qorb(const std::vector<std::string> &args, const Launch &launch = {})
{
    int out[2], err[2], in[2];
    if (pipe(out) != 0 || pipe(err) != 0 || pipe(in) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    // Written before the child starts: a savegame fits in a pipe's buffer.
    if (launch.input != nullptr &&
        write(in[1], launch.input->data(), launch.input->size()) !=
            static_cast<ssize_t>(launch.input->size())) {
        ADD_FAILURE() << "could not fill the input pipe";
    }
    close(in[1]);

    std::vector<char *> argv;
#if defined(QORB_WINE)
    argv.push_back(const_cast<char *>(QORB_WINE));
#endif
    argv.push_back(const_cast<char *>(QORB_BINARY));
    for (const std::string &arg : args) {
        argv.push_back(const_cast<char *>(arg.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        if (launch.output_file != nullptr) {
            dup2(open(launch.output_file, O_WRONLY), 1);
        } else {
            dup2(out[1], 1);
        }
        dup2(err[1], 2);
        for (int fd : {in[0], out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
#if defined(QORB_WINE)
        setenv("WINEPREFIX", QORB_WINEPREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
#endif
        const rlimit limit = {launch.data_limit, launch.data_limit};
        setrlimit(RLIMIT_DATA, &limit);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    Outcome run;
    const int status = collect(pid, out[0], err[0], run.out, run.err);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
    EXPECT_EQ(run.err, "") << "nothing goes to the error stream";
#if defined(QORB_WINE)
    run.out = without_carriage_returns(run.out);
#endif
    return run;
}

class Qorb : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = testing::TempDir() + "qorb-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }

    void TearDown() override
    {
        for (const std::string &path : files_) {
            std::remove(path.c_str());
        }
        rmdir(dir_.c_str());
    }

    // Writes bytes to a new file in the test's directory and returns its path.
    std::string savegame(const std::string &bytes, const std::string &file = "save.sav")
    {
        const std::string path = dir_ + "/" + file;
        EXPECT_TRUE(write_file(path, bytes)) << path;
        files_.push_back(path);
        return path;
    }

    std::string missing_path() const { return dir_ + "/no such save.sav"; }

    std::string dir_;
    std::vector<std::string> files_;
};

std::string progress(const std::string &path, const std::string &name)
{
    return "Reading " + path + " - Commander " + name + ".\n\n";
}

// The line of the table that holds rung row of the Federal and Imperial ladders.
std::string table_row(const std::string &out, int row)
{
    std::size_t start = out.find("-\n") + 2;
    for (int skipped = 0; skipped < row; ++skipped) {
        start = out.find('\n', start) + 1;
    }
    return out.substr(start, out.find('\n', start) - start);
}

std::string summary(const std::string &out)
{
    return out.substr(out.rfind("\nCommander ") + 1);
}

TEST_F(Qorb, WithoutArgumentsShowsBannerAndHelp)
{
    const Outcome run = run_qorb({});
    EXPECT_EQ(run.out, BANNER + HELP);
    EXPECT_EQ(run.status, 0);
}

TEST_F(Qorb, ReportsTheSavegameNamedByTheOnlyArgument)
{
    const std::string path = savegame(make_savegame(SAMPLE));
    const Outcome run = run_qorb({path});
    EXPECT_EQ(run.out, BANNER + progress(path, "Example") + SAMPLE_REPORT);
    EXPECT_EQ(run.status, 0);
}

TEST_F(Qorb, AnyFurtherArgumentAddsTheHelpScreen)
{
    const std::string path = savegame(make_savegame(SAMPLE));
    const std::vector<std::vector<std::string>> calls = {
        {path, "/?"}, {path, "--help"}, {path, ""}, {path, "/?", "more"}};
    for (const auto &args : calls) {
        SCOPED_TRACE(args.size());
        const Outcome run = run_qorb(args);
        EXPECT_EQ(run.out, BANNER + HELP + progress(path, "Example") + SAMPLE_REPORT);
        EXPECT_EQ(run.status, 0);
    }
}

TEST_F(Qorb, PathThatCannotBeOpenedFailsWith254)
{
    const std::vector<std::string> paths = {missing_path(), "", "/?", dir_, dir_ + "/"};
    for (const std::string &path : paths) {
        SCOPED_TRACE("path '" + path + "'");
        const Outcome run = run_qorb({path});
        EXPECT_EQ(run.out, BANNER + path + " could not be opened.\n\n");
        EXPECT_EQ(run.status, STATUS_OPEN_FAILED);
    }
    const Outcome with_help = run_qorb({missing_path(), "/?"});
    EXPECT_EQ(with_help.out, BANNER + HELP + missing_path() + " could not be opened.\n\n");
    EXPECT_EQ(with_help.status, STATUS_OPEN_FAILED);
}

TEST_F(Qorb, PathIsPrintedAsTypedNeverAsAFormat)
{
    const std::string path = savegame(make_savegame(SAMPLE), "%s%n%d save.sav");
    EXPECT_EQ(run_qorb({path}).out, BANNER + progress(path, "Example") + SAMPLE_REPORT);
    const Outcome missing = run_qorb({dir_ + "/%s%n"});
    EXPECT_EQ(missing.out, BANNER + dir_ + "/%s%n could not be opened.\n\n");
}

TEST_F(Qorb, FileTooShortToHoldTheNameFailsWithSeekError)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, KILLS_AT, KILLS_AT + 1,
                                   IMPERIAL_AT + 2, NAME_AT - 1}) {
        SCOPED_TRACE(size);
        const std::string path = savegame(make_savegame(SAMPLE).substr(0, size));
        const Outcome run = run_qorb({path});
        EXPECT_EQ(run.out, BANNER + "Reading " + path + " - " + SEEK_ERROR);
        EXPECT_EQ(run.status, STATUS_SEEK_FAILED);
    }
}

TEST_F(Qorb, FileEndingWhereTheNameBeginsHasValuesAndNoName)
{
    const std::string path = savegame(make_savegame(SAMPLE).substr(0, NAME_AT));
    const Outcome run = run_qorb({path});
    EXPECT_EQ(run.out.substr(0, run.out.find(" Imperial ")), BANNER + progress(path, ""));
    EXPECT_EQ(summary(run.out),
              "Commander , you have 2500 Imperial points and 300 Federal points.\n"
              "You have 212 confirmed kills.  Elite Fed rate you as Competent.\n");
    EXPECT_EQ(run.status, 0);
}

// Pipes and device files are for a Unix file system only.
#if !defined(QORB_WINE)
TEST_F(Qorb, StreamThatCannotBePositionedFailsWithSeekError)
{
    const std::string bytes = make_savegame(SAMPLE);
    Launch through_pipe;
    through_pipe.input = &bytes;
    const Outcome run = run_qorb({"/dev/stdin"}, through_pipe);
    EXPECT_EQ(run.out, BANNER + "Reading /dev/stdin - " + SEEK_ERROR);
    EXPECT_EQ(run.status, STATUS_SEEK_FAILED);
}
#endif

TEST_F(Qorb, NameIsUpToSevenBytesEndingAfterALineFeed)
{
    const struct {
        std::string field;  // the bytes at the name's offset
        std::size_t size;   // of the whole file
        std::string shown;
    } cases[] = {
        {"Example", SAVEGAME_SIZE, "Example"},
        {"ABCDEFGHIJ", SAVEGAME_SIZE, "ABCDEFG"},
        {std::string("AB\0CDEF", 7), SAVEGAME_SIZE, "AB"},
        {std::string("\0BCDEFG", 7), SAVEGAME_SIZE, ""},
        {"A\nBCDEF", SAVEGAME_SIZE, "A\n"},
        {"ABC", NAME_AT + 3, "ABC"},
        {std::string("J\xE9r\xF4me\0", 7), SAVEGAME_SIZE, "J\xE9r\xF4me"},
        {"%s%n%x%", SAVEGAME_SIZE, "%s%n%x%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        std::string bytes = make_savegame(SAMPLE);
        bytes.replace(NAME_AT, c.field.size(), c.field);
        const std::string path = savegame(bytes.substr(0, c.size));
        const Outcome run = run_qorb({path});
        EXPECT_EQ(run.out.substr(0, run.out.find(" Imperial ")), BANNER + progress(path, c.shown));
        EXPECT_EQ(summary(run.out),
                  "Commander " + c.shown + ", you have 2500 Imperial points and 300 Federal points.\n"
                  "You have 212 confirmed kills.  Elite Fed rate you as Competent.\n");
        EXPECT_EQ(run.status, 0);
    }
}

TEST_F(Qorb, ValuesAreUnsignedLittleEndian)
{
    const struct {
        unsigned char kills[2], federal[2], imperial[2];
        const char *summary;
    } cases[] = {
        {{0x34, 0x12}, {0x10, 0x00}, {0x00, 0x01},
         "Commander Example, you have 256 Imperial points and 16 Federal points.\n"
         "You have 4660 confirmed kills.  Elite Fed rate you as Deadly.\n"},
        {{0x03, 0x00}, {0xFF, 0xFF}, {0x01, 0x80},
         "Commander Example, you have 32769 Imperial points and 65535 Federal points.\n"
         "You have 3 confirmed kills.  Elite Fed rate you as Harmless.\n"},
    };
    for (const auto &c : cases) {
        std::string bytes = make_savegame(SAMPLE);
        for (std::size_t i = 0; i < 2; ++i) {
            bytes[KILLS_AT + i] = static_cast<char>(c.kills[i]);
            bytes[FEDERAL_AT + i] = static_cast<char>(c.federal[i]);
            bytes[IMPERIAL_AT + i] = static_cast<char>(c.imperial[i]);
        }
        const Outcome run = run_qorb({savegame(bytes)});
        EXPECT_EQ(summary(run.out), c.summary);
    }
}

TEST_F(Qorb, BracketsMarkTheBottomAndTopRungs)
{
    const Outcome lowest = run_qorb({savegame(make_savegame({"Lo", 0, 0, 0}), "lo.sav")});
    EXPECT_EQ(table_row(lowest.out, 0),
              "[Outsider]   [None]                     0     [Harmless]               0");
    EXPECT_EQ(table_row(lowest.out, 12), " Prince       Admiral               20736     ");

    const Outcome highest =
        run_qorb({savegame(make_savegame({"Hi", 65535, 20736, 65535}), "hi.sav")});
    EXPECT_EQ(table_row(highest.out, 0),
              " Outsider     None                      0      Harmless                0");
    EXPECT_EQ(table_row(highest.out, 9),
              " Earl         Captain                6562     [Elite]               6000");
    EXPECT_EQ(table_row(highest.out, 12), "[Prince]     [Admiral]              20736     ");
    EXPECT_EQ(summary(highest.out),
              "Commander Hi, you have 65535 Imperial points and 20736 Federal points.\n"
              "You have 65535 confirmed kills.  Elite Fed rate you as Elite.\n");
}

#if !defined(QORB_WINE)
TEST_F(Qorb, ReportThatCannotBeWrittenIsNotASuccess)
{
    Launch full_disk;
    full_disk.output_file = "/dev/full";
    EXPECT_EQ(run_qorb({savegame(make_savegame(SAMPLE))}, full_disk).status, 1);
    EXPECT_EQ(run_qorb({}, full_disk).status, 1);
}
#endif

#if defined(QORB_STATIC_BINARY)
// A data limit that lets the static binary start but not copy a path of the
// longest length the kernel passes (128 KiB with its terminator).
TEST_F(Qorb, PathThatCannotBeCopiedFailsWith255)
{
    Launch starved;
    starved.data_limit = 256 * 1024;
    const Outcome run = run_qorb({std::string(128 * 1024 - 1, 'a')}, starved);
    EXPECT_EQ(run.out, BANNER + "Could not mallocate 131072 bytes (!)\n");
    EXPECT_EQ(run.status, 255);
}
#endif

}  // namespace
