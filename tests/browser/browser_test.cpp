// The browser tree: what each node expands to, and the texts it shows.
#include <gtest/gtest.h>

#include <clocale>

#include "browser/item_tree.h"
#include "browser/node_text.h"
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
        root = tree.AddLibrary(lib);
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    Texts ChildTexts(HTREEITEM item) {
        Texts texts;
        for (HTREEITEM child : tree.Children(item))
            texts.push_back(tree.GetItemText(child));
        return texts;
    }
    // The child of `item` with that text, expanded.
    HTREEITEM Open(HTREEITEM item, const std::string& text) {
        tree.Expand(item);
        for (HTREEITEM child : tree.Children(item)) {
            if (tree.GetItemText(child) == text) {
                tree.Expand(child);
                return child;
            }
        }
        ADD_FAILURE() << "no child \"" << text << "\" under \"" << tree.GetItemText(item) << "\"";
        return nullptr;
    }

    ComPtr<ITypeLib> lib;
    ItemTree tree;
    HTREEITEM root = nullptr;
};

TEST_F(BrowserTest, LibraryAndCategories) {
    EXPECT_EQ(tree.GetItemText(root), "Shapes");
    EXPECT_EQ(tree.ChildrenFlag(root), 1);
    EXPECT_TRUE(tree.Children(root).empty());  // nothing is made before the first expansion
    ASSERT_TRUE(tree.Expand(root));
    EXPECT_EQ(ChildTexts(root),
              (Texts{"Interfaces", "Automation Interfaces", "Enumerations", "Structures", "Modules",
                     "CoClasses", "Typedefs", "Unions"}));
    for (HTREEITEM category : tree.Children(root))
        EXPECT_EQ(tree.ChildrenFlag(category), 1);
    EXPECT_EQ(ChildTexts(Open(root, "Automation Interfaces")),
              (Texts{"dualinterface IWidget", "dualinterface IWidget2", "dispinterface DWindow",
                     "dispinterface DWidgetRef"}));
    EXPECT_EQ(ChildTexts(Open(root, "Typedefs")),
              (Texts{"typedef LONG HANDLE_T", "typedef HANDLE-T HANDLE_ALIAS",
                     "typedef Rect RECT_ALIAS", "typedef SAFEARRAY(VARIANT) VARIANT_LIST"}));
    EXPECT_EQ(ChildTexts(Open(root, "Unions")), Texts{"typedef union U"});
    // Expanding again neither rebuilds nor duplicates.
    tree.Expand(root);
    EXPECT_EQ(tree.Children(root).size(), 8u);
}

TEST_F(BrowserTest, DualAndPlainDispinterfaces) {
    HTREEITEM automation = Open(root, "Automation Interfaces");
    HTREEITEM widget = Open(automation, "dualinterface IWidget");
    EXPECT_EQ(ChildTexts(widget), (Texts{"Methods", "Inherited Interfaces"}));
    EXPECT_EQ(tree.ChildrenFlag(tree.Children(widget)[0]), 19);
    Texts methods = ChildTexts(Open(widget, "Methods"));
    ASSERT_EQ(methods.size(), 12u);  // the seven inherited functions are left out
    EXPECT_EQ(methods[0], "Visible [1]");
    EXPECT_EQ(methods[9], "_NewEnum [-4]");
    EXPECT_EQ(ChildTexts(Open(widget, "Inherited Interfaces")), Texts{"IDispatch"});

    HTREEITEM window = Open(automation, "dispinterface DWindow");
    EXPECT_EQ(ChildTexts(window),
              (Texts{"Constants", "Properties", "Methods", "Inherited Interfaces"}));
    EXPECT_EQ(ChildTexts(Open(window, "Properties")),
              (Texts{"BOOL Visible [1]", "BSTR Caption [2]"}));
    EXPECT_EQ(ChildTexts(Open(window, "Methods")), (Texts{"Move [3]", "Close [4]"}));
    // No constants: the group loses its expand button on its first expansion.
    HTREEITEM constants = Open(window, "Constants");
    EXPECT_TRUE(tree.Children(constants).empty());
    EXPECT_EQ(tree.ChildrenFlag(constants), 0);
    EXPECT_TRUE(tree.ExpandedOnce(constants));
}

TEST_F(BrowserTest, InterfacesCoclassesModulesAndAliases) {
    HTREEITEM shape = Open(Open(root, "Interfaces"), "interface IShape");
    EXPECT_EQ(ChildTexts(shape), (Texts{"Move [1610678272]", "Bounds [1610678273]",
                                        "Nothing [1610678274]", "Inherited Interfaces"}));
    EXPECT_EQ(ChildTexts(Open(shape, "Inherited Interfaces")), Texts{"IUnknown"});

    HTREEITEM widget = Open(Open(root, "CoClasses"), "coclass Widget");
    EXPECT_EQ(ChildTexts(widget), (Texts{"IWidget [Dual]", "DWindow", "IShape"}));
    // An implemented interface expands like a type of its category.
    EXPECT_EQ(ChildTexts(Open(widget, "IShape")).size(), 4u);
    EXPECT_EQ(tree.Node(tree.Children(widget)[1])->m_nKind, kindReferencedType + TKIND_DISPATCH);

    HTREEITEM module = Open(Open(root, "Modules"), "module ShapeFunctions");
    EXPECT_EQ(ChildTexts(module), Texts{"Functions"});
    EXPECT_EQ(ChildTexts(Open(module, "Functions")),
              (Texts{"Area [1610612736]", "Ordinal [1610612737]"}));

    HTREEITEM typedefs = Open(root, "Typedefs");
    HTREEITEM handle = Open(typedefs, "typedef LONG HANDLE_T");
    EXPECT_EQ(tree.ChildrenFlag(handle), 0);  // an alias of a built-in type has nothing inside
    HTREEITEM rectAlias = Open(typedefs, "typedef Rect RECT_ALIAS");
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

TEST_F(BrowserTest, DeletingTheTreeGivesEveryReferenceBack) {
    tree.DeleteAll();
    ULONG start = RefCount(*lib);
    {
        ItemTree other;
        HTREEITEM top = other.AddLibrary(lib);
        EXPECT_EQ(RefCount(*lib), start + 1);
        // Open everything, two levels below each category.
        other.Expand(top);
        for (HTREEITEM category : other.Children(top)) {
            other.Expand(category);
            for (HTREEITEM type : other.Children(category)) {
                other.Expand(type);
                for (HTREEITEM member : other.Children(type))
                    other.Expand(member);
            }
        }
        EXPECT_GT(RefCount(*lib), start + 50);
    }
    EXPECT_EQ(RefCount(*lib), start);
}

TEST(NodeTexts, EscapesNamelessFieldsAndPropertyListings) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
    FakeTypeLib lib;
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "DThing");
    d.AddConst("Mixed", StringValue(std::u16string(u"a\tb\\c\x01"
                                                   u"d\0e\x1b",
                                                   10)));
    d.AddConst("Empty", StringValue(u""));
    d.AddConst("Failure", IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004005)));
    d.AddConst("Quote", StringValue(u"say \"x\""));
    d.AddVar("", CArrayOf(Simple(VT_I2), {2, 3}), VAR_DISPATCH);
    d.vars.back().name.reset();
    ItemTree tree;
    auto node = std::make_unique<CTreeItem>(&tree);
    node->m_nKind = kindType;
    node->SetTypeInfo(ComPtr<ITypeInfo>(&d));
    HTREEITEM item = tree.InsertItem(nullptr, "dispinterface DThing", std::move(node), 1);
    tree.Expand(item);
    Texts constants, properties;
    for (HTREEITEM group : tree.Children(item)) {
        tree.Expand(group);
        for (HTREEITEM child : tree.Children(group)) {
            (tree.GetItemText(group) == "Constants" ? constants : properties)
                .push_back(tree.GetItemText(child));
        }
    }
    EXPECT_EQ(constants,
              (Texts{"const BSTR Mixed = \"a\\tb\\\\c\\x01d\\0e\\x1B\"", "const BSTR Empty = \"\"",
                     "const SCODE Failure = E_FAIL", "const BSTR Quote = \"say \\\"x\\\"\""}));
    EXPECT_EQ(properties, (Texts{"BSTR Mixed [1073741824]", "BSTR Empty [1073741825]",
                                 "SCODE Failure [1073741826]", "BSTR Quote [1073741827]",
                                 "SHORT (nameless)[2][3] [1073741828]"}));
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace qorvix::test
