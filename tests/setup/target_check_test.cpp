#include "setup/target_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "setup/setup_texts.h"

namespace lumox::setup {
namespace {

struct TargetCase {
    std::string text;
    const char* message;  // nullptr: accepted
    std::string stored;
    std::string copyFolder;
};

TEST(TargetCheck, ValidationTableAndStoredForm) {
    const TargetCase cases[] = {
        {"", kTargetEmpty, "", ""},
        {"Program", kTargetNotAbsolute, "", ""},
        {"~/Lumox", kTargetNotAbsolute, "", ""},
        {"home/me/Lumox/", kTargetNotAbsolute, "", ""},
        // Relative comes before a bad character.
        {"a\tb", kTargetNotAbsolute, "", ""},
        {"/home/me/Lu\tmox", kTargetBadCharacter, "", ""},
        {"/home/me/Lumox\n", kTargetBadCharacter, "", ""},
        {std::string("/home/\0me", 9), kTargetBadCharacter, "", ""},
        {"/home/me/\x7f", kTargetBadCharacter, "", ""},
        {"/opt/Apps/Tools/", nullptr, "/opt/Apps/Tools", "/opt/Apps/Tools/"},
        {"/opt/Apps/Tools", nullptr, "/opt/Apps/Tools", "/opt/Apps/Tools/"},
        {"/opt/Apps//", nullptr, "/opt/Apps/", "/opt/Apps/"},
        {"/", nullptr, "/", "/"},
        {"/home/me/My Tools $1 'x' \"y\"", nullptr, "/home/me/My Tools $1 'x' \"y\"",
         "/home/me/My Tools $1 'x' \"y\"/"},
        {"/home/me/L\xc3\xbcmox", nullptr, "/home/me/L\xc3\xbcmox", "/home/me/L\xc3\xbcmox/"},
    };
    for (const TargetCase& c : cases) {
        const std::optional<std::string> message = ValidateTarget(c.text);
        if (c.message == nullptr) {
            EXPECT_FALSE(message) << c.text << ": " << *message;
            EXPECT_EQ(StoredTarget(c.text), c.stored) << c.text;
            EXPECT_EQ(CopyFolder(StoredTarget(c.text)), c.copyFolder) << c.text;
        } else {
            ASSERT_TRUE(message) << c.text;
            EXPECT_EQ(*message, c.message) << c.text;
        }
    }
}

// Sets HOME for one test and puts the old value back.
class HomeGuard {
public:
    explicit HomeGuard(const char* value) {
        if (const char* old = std::getenv("HOME")) old_ = old;
        if (value != nullptr)
            setenv("HOME", value, 1);
        else
            unsetenv("HOME");
    }
    ~HomeGuard() {
        if (old_)
            setenv("HOME", old_->c_str(), 1);
        else
            unsetenv("HOME");
    }

private:
    std::optional<std::string> old_;
};

TEST(TargetCheck, DefaultTargetIsLumoxInTheHomeWrittenOut) {
    {
        HomeGuard home("/srv/people/ann");
        EXPECT_EQ(DefaultTarget(), "/srv/people/ann/Lumox");
    }
    {
        HomeGuard home("/srv/people/ann/");
        EXPECT_EQ(DefaultTarget(), "/srv/people/ann/Lumox");
    }
    {
        HomeGuard home(nullptr);
        const std::string target = DefaultTarget();
        EXPECT_FALSE(ValidateTarget(target)) << target;
        EXPECT_TRUE(target.ends_with("/Lumox")) << target;
    }
}

}  // namespace
}  // namespace lumox::setup
