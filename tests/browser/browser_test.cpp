// The browser tree: what each node expands to, and the texts it shows.
#include <gtest/gtest.h>

#include <clocale>

#include "browser/node_text.h"
#include "browser/tree_item.h"
#include "tests/support/fake_typelib.h"
#include "tests/support/paths.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

using Texts = std::vector<std::string>;

class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        lib = LoadOrDie(FixturePath("shapes.tlb"));
        ASSERT_TRUE(lib);
        library = CTreeItem::ForLibrary(lib, naming);
        root = library.get();
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    ComPtr<ITypeLib> lib;
    CobolNaming naming;
    std::unique_ptr<CTreeItem> library;
    CTreeItem* root = nullptr;
};

Texts ChildTexts(const CTreeItem* item) {
    Texts texts;
    for (int row = 0; item && row < item->ChildCount(); ++row)
        texts.push_back(item->ChildAt(row)->Text());
    return texts;
}

// The child of `item` with that text, expanded.
CTreeItem* Open(CTreeItem* item, const std::string& text) {
    if (!item) return nullptr;
    item->Fetch();
    for (int row = 0; row < item->ChildCount(); ++row) {
        CTreeItem* child = item->ChildAt(row);
        if (child->Text() == text) {
            child->Fetch();
            return child;
        }
    }
    ADD_FAILURE() << "no child \"" << text << "\" under \"" << item->Text() << "\"";
    return nullptr;
}

TEST_F(BrowserTest, LibraryAndCategories) {
    EXPECT_EQ(root->Text(), "Shapes");
    EXPECT_EQ(root->ChildrenFlag(), 1);
    EXPECT_EQ(root->ChildCount(), 0);  // nothing is made before the first expansion
    ASSERT_TRUE(root->Fetch());
    EXPECT_EQ(ChildTexts(root),
              (Texts{"Interfaces", "Automation Interfaces", "Enumerations", "Structures", "Modules",
                     "CoClasses", "Typedefs", "Unions"}));
    for (int row = 0; row < root->ChildCount(); ++row) {
        EXPECT_EQ(root->ChildAt(row)->ChildrenFlag(), 1);
        EXPECT_TRUE(root->ChildAt(row)->HasFixedLabel());
    }
    EXPECT_FALSE(root->HasFixedLabel());
    EXPECT_EQ(ChildTexts(Open(root, "Automation Interfaces")),
              (Texts{"dualinterface IWidget", "dualinterface IWidget2", "dispinterface DWindow",
                     "dispinterface DWidgetRef"}));
    EXPECT_EQ(ChildTexts(Open(root, "Typedefs")),
              (Texts{"typedef LONG HANDLE_T", "typedef HANDLE-T HANDLE_ALIAS",
                     "typedef Rect RECT_ALIAS", "typedef SAFEARRAY(VARIANT) VARIANT_LIST"}));
    EXPECT_EQ(ChildTexts(Open(root, "Unions")), Texts{"typedef union U"});
    // Expanding again neither rebuilds nor duplicates.
    root->Fetch();
    EXPECT_EQ(root->ChildCount(), 8);
}

TEST_F(BrowserTest, DualAndPlainDispinterfaces) {
    CTreeItem* automation = Open(root, "Automation Interfaces");
    CTreeItem* widget = Open(automation, "dualinterface IWidget");
    EXPECT_EQ(ChildTexts(widget), (Texts{"Methods", "Inherited Interfaces"}));
    ASSERT_EQ(widget->ChildCount(), 2);
    EXPECT_EQ(widget->ChildAt(0)->ChildrenFlag(), 19);
    Texts methods = ChildTexts(Open(widget, "Methods"));
    ASSERT_EQ(methods.size(), 12u);  // the seven inherited functions are left out
    EXPECT_EQ(methods[0], "Visible [1]");
    EXPECT_EQ(methods[9], "_NewEnum [-4]");
    EXPECT_EQ(ChildTexts(Open(widget, "Inherited Interfaces")), Texts{"IDispatch"});

    CTreeItem* window = Open(automation, "dispinterface DWindow");
    EXPECT_EQ(ChildTexts(window),
              (Texts{"Constants", "Properties", "Methods", "Inherited Interfaces"}));
    EXPECT_EQ(ChildTexts(Open(window, "Properties")),
              (Texts{"BOOL Visible [1]", "BSTR Caption [2]"}));
    EXPECT_EQ(ChildTexts(Open(window, "Methods")), (Texts{"Move [3]", "Close [4]"}));
    // No constants: the group loses its expand button on its first expansion.
    CTreeItem* constants = Open(window, "Constants");
    ASSERT_TRUE(constants);
    EXPECT_EQ(constants->ChildCount(), 0);
    EXPECT_EQ(constants->ChildrenFlag(), 0);
    EXPECT_TRUE(constants->Populated());
    EXPECT_FALSE(constants->CanFetch());
}

TEST_F(BrowserTest, InterfacesCoclassesModulesAndAliases) {
    CTreeItem* shape = Open(Open(root, "Interfaces"), "interface IShape");
    EXPECT_EQ(ChildTexts(shape), (Texts{"Move [1610678272]", "Bounds [1610678273]",
                                        "Nothing [1610678274]", "Inherited Interfaces"}));
    EXPECT_EQ(ChildTexts(Open(shape, "Inherited Interfaces")), Texts{"IUnknown"});

    CTreeItem* widget = Open(Open(root, "CoClasses"), "coclass Widget");
    EXPECT_EQ(ChildTexts(widget), (Texts{"IWidget [Dual]", "DWindow", "IShape"}));
    // An implemented interface expands like a type of its category.
    EXPECT_EQ(ChildTexts(Open(widget, "IShape")).size(), 4u);
    ASSERT_EQ(widget->ChildCount(), 3);
    EXPECT_EQ(widget->ChildAt(1)->m_nKind, kindReferencedType + static_cast<int>(TKIND_DISPATCH));

    CTreeItem* module = Open(Open(root, "Modules"), "module ShapeFunctions");
    EXPECT_EQ(ChildTexts(module), Texts{"Functions"});
    EXPECT_EQ(ChildTexts(Open(module, "Functions")),
              (Texts{"Area [1610612736]", "Ordinal [1610612737]"}));

    CTreeItem* typedefs = Open(root, "Typedefs");
    CTreeItem* handle = Open(typedefs, "typedef LONG HANDLE_T");
    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->ChildrenFlag(), 0);  // an alias of a built-in type has nothing inside
    CTreeItem* rectAlias = Open(typedefs, "typedef Rect RECT_ALIAS");
    EXPECT_EQ(ChildTexts(rectAlias), Texts{"struct Rect"});
    EXPECT_EQ(ChildTexts(Open(rectAlias, "struct Rect")),
              (Texts{"LONG left", "LONG top", "LONG right", "LONG bottom"}));
}

TEST_F(BrowserTest, FieldsAndConstants) {
    Texts sampler = ChildTexts(Open(Open(root, "Structures"), "struct Sampler"));
    ASSERT_EQ(sampler.size(), 33u);
    EXPECT_EQ(sampler[1], "UCHAR buf[32]");
    EXPECT_EQ(sampler[2], "LONG grid[3][4]");
    EXPECT_EQ(sampler[3], "pic 9(2) comp-5 cube[2][3][4]");
    EXPECT_EQ(sampler[12], "IWidget pWidget");
    EXPECT_EQ(ChildTexts(Open(Open(root, "Enumerations"), "enum Signs")),
              (Texts{"const INT Negative = -1", "const INT Zero = 0",
                     "const INT Largest = 2147483647", "const INT Smallest = -2147483648"}));
    EXPECT_EQ(ChildTexts(Open(Open(root, "Unions"), "typedef union U")),
              (Texts{"LONG a", "SHORT b"}));
}

// A view's model announces the rows between making them and taking them:
// the item must not change in between, and must take them only once.
TEST_F(BrowserTest, TheFirstExpansionInTwoSteps) {
    ASSERT_TRUE(root->CanFetch());
    TreeItems made = root->MakeChildren();
    EXPECT_EQ(made.size(), 8u);
    EXPECT_EQ(root->ChildCount(), 0);
    EXPECT_FALSE(root->Populated());
    root->Populate(std::move(made));
    EXPECT_TRUE(root->Populated());
    EXPECT_FALSE(root->CanFetch());
    EXPECT_EQ(root->ChildrenFlag(), 1);
    EXPECT_TRUE(root->MakeChildren().empty());  // nothing is made twice
    root->Populate(CTreeItem::ForLibrary(lib, naming)->MakeChildren());
    EXPECT_EQ(root->ChildCount(), 8);

    // Every item knows its parent and its row; the model's indexes rest on them.
    Open(Open(root, "CoClasses"), "coclass Widget");
    Open(Open(root, "Automation Interfaces"), "dispinterface DWindow");
    std::vector<CTreeItem*> pending{root};
    int seen = 0;
    while (!pending.empty()) {
        CTreeItem* item = pending.back();
        pending.pop_back();
        for (int row = 0; row < item->ChildCount(); ++row) {
            CTreeItem* child = item->ChildAt(row);
            EXPECT_EQ(child->Parent(), item) << child->Text();
            EXPECT_EQ(child->Row(), row) << child->Text();
            pending.push_back(child);
            ++seen;
        }
    }
    EXPECT_GT(seen, 20);
    EXPECT_EQ(root->Parent(), nullptr);
}

TEST_F(BrowserTest, DeletingTheTreeGivesEveryReferenceBack) {
    library.reset();
    ULONG start = RefCount(*lib);
    {
        auto top = CTreeItem::ForLibrary(lib, naming);
        EXPECT_EQ(RefCount(*lib), start + 1);
        // Open everything, two levels below each category.
        top->Fetch();
        for (int c = 0; c < top->ChildCount(); ++c) {
            CTreeItem* category = top->ChildAt(c);
            category->Fetch();
            for (int t = 0; t < category->ChildCount(); ++t) {
                CTreeItem* type = category->ChildAt(t);
                type->Fetch();
                for (int m = 0; m < type->ChildCount(); ++m)
                    type->ChildAt(m)->Fetch();
            }
        }
        EXPECT_GT(RefCount(*lib), start + 50);
    }
    EXPECT_EQ(RefCount(*lib), start);
}

// The groups' kinds, not their labels, decide what they list.
class GroupTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8")); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // The type `text` of category `category` in `lib`, expanded.
    CTreeItem* Type(const std::string& category, const std::string& text) {
        top = CTreeItem::ForLibrary(ComPtr<ITypeLib>(&lib), naming);
        return Open(Open(top.get(), category), text);
    }
    static Texts GroupTexts(CTreeItem* type, const std::string& group) {
        return ChildTexts(Open(type, group));
    }

    FakeTypeLib lib;
    CobolNaming naming;
    std::unique_ptr<CTreeItem> top;  // destroyed before the library
};

TEST_F(GroupTest, EscapesNamelessFieldsAndPropertyListings) {
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "DThing");
    d.AddConst("Mixed", StringValue(std::u16string(u"a\tb\\c\x01"
                                                   u"d\0e\x1b",
                                                   10)));
    d.AddConst("Empty", StringValue(u""));
    d.AddConst("Failure", IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004005)));
    d.AddConst("Quote", StringValue(u"say \"x\""));
    d.AddVar("", CArrayOf(Simple(VT_I2), {2, 3}), VAR_DISPATCH);
    d.vars.back().name.reset();
    CTreeItem* type = Type("Automation Interfaces", "dispinterface DThing");
    ASSERT_EQ(ChildTexts(type), (Texts{"Constants", "Properties"}));
    EXPECT_EQ(type->ChildAt(0)->m_nKind, kindConstantGroup);
    EXPECT_EQ(type->ChildAt(1)->m_nKind, kindPropertyGroup);
    EXPECT_EQ(GroupTexts(type, "Constants"),
              (Texts{"const BSTR Mixed = \"a\\tb\\\\c\\x01d\\0e\\x1B\"", "const BSTR Empty = \"\"",
                     "const SCODE Failure = E_FAIL", "const BSTR Quote = \"say \\\"x\\\"\""}));
    EXPECT_EQ(
        GroupTexts(type, "Properties"),
        (Texts{"BSTR Mixed [1073741824]", "BSTR Empty [1073741825]", "SCODE Failure [1073741826]",
               "BSTR Quote [1073741827]", "SHORT (nameless)[2][3] [1073741828]"}));
}

TEST_F(GroupTest, AModulesConstantsLeaveItsOtherVariablesOut) {
    FakeTypeInfo& m = lib.Add(TKIND_MODULE, "Limits");
    m.AddConst("Most", IntValue(VT_I4, 99));
    m.AddVar("Current", Simple(VT_I4), VAR_STATIC);
    m.AddConst("Least", IntValue(VT_I4, -1));
    // A dispinterface that a coclass implements under the name of a group
    // still expands as a dispinterface.
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "Properties");
    d.AddVar("Size", Simple(VT_I4), VAR_DISPATCH);
    FakeTypeInfo& c = lib.Add(TKIND_COCLASS, "Thing");
    c.impls.push_back({c.RefTo(d), 0});
    c.attr.cImplTypes = 1;

    CTreeItem* module = Type("Modules", "module Limits");
    ASSERT_EQ(ChildTexts(module), Texts{"Constants"});
    EXPECT_EQ(module->ChildAt(0)->m_nKind, kindConstantGroup);
    EXPECT_EQ(GroupTexts(module, "Constants"),
              (Texts{"const LONG Most = 99", "const LONG Least = -1"}));

    CTreeItem* thing = Type("CoClasses", "coclass Thing");
    ASSERT_EQ(ChildTexts(thing), Texts{"Properties"});
    EXPECT_FALSE(thing->ChildAt(0)->HasFixedLabel());
    EXPECT_EQ(ChildTexts(Open(thing, "Properties")), (Texts{"Constants", "Properties"}));
}

}  // namespace
}  // namespace qorvix::test
