#include "cli/ConvertCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "FakeValueConverter.h"

namespace {

namespace fs = std::filesystem;

class ConvertCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quorlin-convert-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    void WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    int Run(ConvertRequest request) {
        StringSource in("");
        Console console{in, out_, err_};
        return RunConvert(console, request,
                          [](Direction, const std::string& code,
                             std::string& error) -> std::unique_ptr<ValueConverter> {
                              if (code == "BAD") {
                                  error = "invalid code 'BAD'";
                                  return nullptr;
                              }
                              return std::make_unique<FakeValueConverter>();
                          });
    }

    static ConvertRequest Request(std::vector<std::string> files,
                                  OnError onError = OnError::kKeep) {
        ConvertRequest request;
        request.format = RecordFormat{RecordKind::kCsv, ','};
        request.header = true;
        request.fields = {FieldRequest{"v", Direction::kOconv, "X"}};
        request.onError = onError;
        request.files = std::move(files);
        return request;
    }

    fs::path folder_;
    StringSink out_;
    StringSink err_;
};

TEST_F(ConvertCommand, SummarisesTheRunAndNamesTheFirstFailures) {
    WriteFile("a.csv", "id,v\n1,2\n2,bad\n3\n4,odd\n");
    EXPECT_EQ(Run(Request({Path("a.csv")})), 1);
    EXPECT_EQ(out_.text, "id,v\n1,<2>\n2,bad\n3\n4,ODD\n");
    EXPECT_EQ(err_.text,
              "quorlin: convert: 4 records, 3 fields read, 2 converted (1 suspect, STATUS 3), 1 "
              "failed (STATUS 1: 1), 1 short record unchanged\n"
              "quorlin: convert: " +
                  Path("a.csv") + ": record 3, column v (2): STATUS 1 for 'bad'\n");
}

TEST_F(ConvertCommand, AMissingFileIsReportedAndTheOthersAreConverted) {
    WriteFile("a.csv", "v\n1\n");
    WriteFile("b.csv", "v\n2\n");
    ConvertRequest request = Request({Path("a.csv"), Path("missing.csv"), Path("b.csv")});
    request.quiet = true;
    EXPECT_EQ(Run(request), 2);
    EXPECT_EQ(out_.text, "v\n<1>\nv\n<2>\n");
    EXPECT_EQ(err_.text, "quorlin: convert: cannot read '" + Path("missing.csv") +
                             "': No such file or directory\n");
}

TEST_F(ConvertCommand, OutputFileIsReplacedOnlyByACompleteRun) {
    WriteFile("in.csv", "v\n1\nbad\n2\n");
    WriteFile("out.csv", "previous");
    ConvertRequest failing = Request({Path("in.csv")}, OnError::kFail);
    failing.output = Path("out.csv");
    EXPECT_EQ(Run(failing), 1);
    EXPECT_EQ(ReadFile("out.csv"), "previous");
    EXPECT_EQ(FilesInFolder(), 2u);  // no temporary file is left

    ConvertRequest keeping = Request({Path("in.csv")});
    keeping.output = Path("out.csv");
    EXPECT_EQ(Run(keeping), 1);
    EXPECT_EQ(ReadFile("out.csv"), "v\n<1>\nbad\n<2>\n");
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(ConvertCommand, RefusesUsageErrorsBeforeReadingAnything) {
    WriteFile("in.csv", "v\n1\n");
    ConvertRequest same = Request({Path("in.csv")});
    same.output = Path("in.csv");
    EXPECT_EQ(Run(same), 64);
    EXPECT_EQ(ReadFile("in.csv"), "v\n1\n");

    ConvertRequest badCode = Request({Path("in.csv")});
    badCode.fields[0].code = "BAD";
    EXPECT_EQ(Run(badCode), 64);

    ConvertRequest nameWithoutHeader = Request({Path("in.csv")});
    nameWithoutHeader.header = false;
    EXPECT_EQ(Run(nameWithoutHeader), 64);
    EXPECT_EQ(out_.text, "");
}

TEST(ReadFieldRequest, SplitsSpecDirectionAndCode) {
    FieldRequest field;
    std::string error;
    ASSERT_TRUE(ReadFieldRequest("date=oconv:MT'='", field, error));
    EXPECT_EQ(field.columnText, "date");
    EXPECT_EQ(field.direction, Direction::kOconv);
    EXPECT_EQ(field.code, "MT'='");
    for (const char* wrong : {"date", "=oconv:D", "1=convert:D", "0=oconv:D", "1=oconv"}) {
        EXPECT_FALSE(ReadFieldRequest(wrong, field, error)) << wrong;
    }
}

}  // namespace
