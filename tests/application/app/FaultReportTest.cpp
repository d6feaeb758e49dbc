// The fault report: its first line, registers, the call stack walked through
// frame pointers, the size limit and the error log's entries.
#include "application/app/FatalErrorHandler.h"
#include "application/app/FaultReport.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct FakeFault
{
    EXCEPTION_RECORD record = {};
    CONTEXT context = {};
    EXCEPTION_POINTERS pointers = {&record, &context};

    explicit FakeFault(DWORD code)
    {
        record.ExceptionCode = code;
        record.ExceptionAddress = (void*)0x00401234;
        context.SegCs = 0x1B;
    }
};

TEST(FaultReport, FirstLineNamesProgramExceptionAndAddress)
{
    FakeFault fault(EXCEPTION_INT_DIVIDE_BY_ZERO);
    EXPECT_STREQ(DescribeFault(&fault.pointers), "application_tests.exe caused a EXCEPTION_INT_DIVIDE_BY_ZERO at 001B:00401234");
    // A code outside the list takes the system's text, without a line break.
    FakeFault other(0xC0000017);
    const std::string line = DescribeFault(&other.pointers);
    EXPECT_EQ(line.rfind("application_tests.exe caused a ", 0), 0u);
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    EXPECT_EQ(line.substr(line.size() - 17), " at 001B:00401234");
    EXPECT_EQ(DescribeFault(NULL), nullptr);
    EXPECT_EQ(ExceptionCodeName(EXCEPTION_STACK_OVERFLOW), std::string("EXCEPTION_STACK_OVERFLOW"));
    EXPECT_EQ(ExceptionCodeName(0xC0000017), nullptr);
}

TEST(FaultReport, RegistersInThreeLines)
{
    FakeFault fault(EXCEPTION_ACCESS_VIOLATION);
    fault.context.Eax = 0x12AB;
    fault.context.EFlags = 0x246;
    fault.context.SegGs = 0x2B;
    const std::string text = DescribeRegisters(&fault.pointers);
    EXPECT_EQ(text.rfind("EAX=000012AB  EBX=00000000", 0), 0u) << text;
    EXPECT_NE(text.find("FLG=00000246\nCS=001B   DS=0000"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 7), "GS=002B");
}

__attribute__((noinline)) int WalkOwnStack(std::string* lines)
{
    CONTEXT context = {};
    context.ContextFlags = CONTEXT_FULL;
    RtlCaptureContext(&context);
    EXCEPTION_RECORD record = {};
    EXCEPTION_POINTERS pointers = {&record, &context};
    int count = 0;
    for (const char* line = FirstCallStackLine(CALLSTACK_ALL, &pointers); line != NULL && count < 200;
         line = NextCallStackLine(CALLSTACK_ALL, &pointers))
    {
        *lines += std::string(line) + "\n";
        count++;
    }
    return count;
}

TEST(FaultReport, CallStackWalksThroughTheTestProgram)
{
    std::string lines;
    const int count = WalkOwnStack(&lines);
    EXPECT_GE(count, 3) << lines;
    EXPECT_NE(lines.find(" application_tests.exe"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" (0x"), std::string::npos) << lines;
}

TEST(FaultReport, PiecesThatDoNotFitAreSkippedWhole)
{
    static char report[FAULT_REPORT_SIZE];
    report[0] = '\0';
    const std::string big(FAULT_REPORT_SIZE - 10, 'x');
    AppendFaultPiece(report, big.c_str());
    AppendFaultPiece(report, NULL);
    AppendFaultPiece(report, "0123456789");  // one too many
    AppendFaultPiece(report, "012345678");   // fits exactly
    EXPECT_EQ(std::string(report), big + "012345678");
}

TEST(FaultReport, EachLogEntryStartsWithAnEmptyLineAndAt)
{
    CScratchFolder folder("faultlog");
    const std::string log = folder / "Kestrova.err";
    EXPECT_FALSE(AppendFaultLog("", "report"));
    ASSERT_TRUE(AppendFaultLog(log.c_str(), "first report\n"));
    ASSERT_TRUE(AppendFaultLog(log.c_str(), "second report\n"));
    const std::string text = folder.ReadFile("Kestrova.err");
    EXPECT_EQ(text.rfind("\r\nAt ", 0), 0u) << text;
    const size_t second = text.find("\r\nAt ", 5);
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(text.find(" v2.03 Built On: May 05 06:30:02 2005:\r\nfirst report\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("second report", second), std::string::npos);
}
}  // namespace
