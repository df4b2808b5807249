#include "inspect/Xml.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Verdict {
    const char* what;
    std::string document;
    bool ok;
    std::string text;  // of the root element, when it reads
};

// What both builds decide on the constructs a report never holds but an
// edited or damaged one may.
const Verdict kVerdicts[] = {
    {"CDATA is text", "<R>a<![CDATA[<&>]]>b</R>", true, "a<&>b"},
    {"predefined entities", "<R>&lt;&amp;&gt;&quot;&apos;</R>", true, "<&>\"'"},
    {"decimal and hexadecimal references", "<R>&#65;&#x42;&#x3042;</R>", true, "AB\x82\xA0"},
    {"CR LF in a value is a line feed", "<R>a\r\nb\rc</R>", true, "a\nb\nc"},
    {"comments and blanks after the root", "<R>a</R>\r\n<!-- c -->\r\n", true, "a"},
    {"spaces around = in the declaration",
     "<?xml version = \"1.0\" encoding = \"Shift_JIS\" ?><R>a</R>", true, "a"},
    {"document type declaration", "<!DOCTYPE R [<!ENTITY x \"y\">]><R>&x;</R>", false, ""},
    {"unknown entity", "<R>&nbsp;</R>", false, ""},
    {"ampersand without a reference", "<R>a & b</R>", false, ""},
    {"reference to a control character", "<R>&#x1B;[2J</R>", false, ""},
    {"reference to NUL", "<R>a&#0;b</R>", false, ""},
    {"reference to a character code page 932 lacks", "<R>&#x1F600;</R>", false, ""},
    {"reference past the last code point", "<R>&#x110000;</R>", false, ""},
    {"second root element", "<R>a</R><S/>", false, ""},
    {"text after the root", "<R>a</R>b", false, ""},
    {"text before the root", "b<R>a</R>", false, ""},
    {"nothing but a declaration", "<?xml version=\"1.0\"?>", false, ""},
};

TEST(XmlParse, VerdictsOnWhatReportsNeverHold) {
    for (const Verdict& v : kVerdicts) {
        const inspect::xml::Document doc = inspect::xml::Parse(v.document);
        EXPECT_EQ(doc.ok, v.ok) << v.what << ": " << doc.error;
        if (v.ok && doc.ok) {
            EXPECT_EQ(doc.root.text, v.text) << v.what;
        } else if (!v.ok) {
            EXPECT_FALSE(doc.error.empty()) << v.what;
        }
    }
}

TEST(XmlParse, AttributesResolveLikeTextAndLineEndsBecomeSpaces) {
    const inspect::xml::Document doc = inspect::xml::Parse("<R A=\"x\r\ny&amp;&#x3042;\"/>");
    ASSERT_TRUE(doc.ok) << doc.error;
    ASSERT_NE(doc.root.Attribute("A"), nullptr);
    EXPECT_EQ(*doc.root.Attribute("A"), "x y&\x82\xA0");
    EXPECT_FALSE(inspect::xml::Parse("<R A=\"&bogus;\"/>").ok);
}

TEST(XmlParse, AnUnknownReferenceIsReportedWhereItStands) {
    const std::string document = "<R>\n<S>abc&bogus;</S></R>";
    const inspect::xml::Document doc = inspect::xml::Parse(document);
    ASSERT_FALSE(doc.ok);
    EXPECT_EQ(doc.errorOffset, document.find('&'));
}

}  // namespace
