// Programs a test starts do not outlive it, also when the runner kills it.
#include <gtest/gtest.h>

#include <string>

#include "Handles.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

constexpr char kRecordVariable[] = "ZELVA_PROCESS_TEST_RECORD";
// The test runs in three roles: the test, a test that the runner kills, and
// the program that one started and that would linger.
constexpr char kRoleVariable[] = "ZELVA_PROCESS_TEST_ROLE";
// The event the test sets when it is over, by name.
constexpr char kDoneVariable[] = "ZELVA_PROCESS_TEST_DONE";

std::string Variable(const char* name) {
  char value[MAX_PATH] = {};
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

constexpr char kOnlyThisTest[] = "--gtest_filter=ProcessTest.AProgramStartedByATestEndsWhenTheTestIsKilled";

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

void StartALingeringProgramAndWait() {
  SetEnvironmentVariableA(kRoleVariable, "lingers");
  Process lingering(ThisProgram(), kOnlyThisTest, "");
  const std::string id = std::to_string(lingering.id());
  zelva::win::FileHandle file(
      CreateFileA(Variable(kRecordVariable).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  WriteFile(file.get(), id.data(), DWORD(id.size()), &written, nullptr);
  file.reset();
  lingering.Wait();  // it lingers: this waits until the runner kills this test
}

TEST(ProcessTest, AProgramStartedByATestEndsWhenTheTestIsKilled) {
  const std::string role = Variable(kRoleVariable);
  // A program that does not end by itself, as a host left running does not:
  // only the test's end, or its deadline, ends it.
  if (role == "lingers") {
    zelva::win::KernelHandle done(OpenEventA(SYNCHRONIZE, FALSE, Variable(kDoneVariable).c_str()));
    WaitForSingleObject(done.get(), 60000);
    return;
  }
  if (role == "killed") return StartALingeringProgramAndWait();
  TestFolder folder;
  const std::string record = folder / "lingering.txt";
  SetEnvironmentVariableA(kRecordVariable, record.c_str());
  const std::string doneName = "ZELVA process test done " + std::to_string(GetCurrentProcessId());
  zelva::win::KernelHandle done(CreateEventA(nullptr, TRUE, FALSE, doneName.c_str()));
  ASSERT_TRUE(done);
  SetEnvironmentVariableA(kDoneVariable, doneName.c_str());
  SetEnvironmentVariableA(kRoleVariable, "killed");
  std::string line = "\"" + ThisProgram() + "\" " + kOnlyThisTest;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  const BOOL started =
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  SetEnvironmentVariableA(kRoleVariable, nullptr);
  ASSERT_TRUE(started);
  zelva::win::KernelHandle test(info.hProcess), thread(info.hThread);
  ASSERT_TRUE(WaitUntil([&] { return !ReadWholeFile(record).empty(); }));
  zelva::win::KernelHandle lingering(OpenProcess(SYNCHRONIZE, FALSE,
                                                 DWORD(std::stoul(ReadWholeFile(record)))));
  ASSERT_TRUE(lingering);
  TerminateProcess(test.get(), 9);
  const DWORD ended = WaitForSingleObject(lingering.get(), 20000);
  SetEvent(done.get());
  EXPECT_EQ(ended, DWORD(WAIT_OBJECT_0));
}

}  // namespace
