#include <gtest/gtest.h>

#include "StreamFixture.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"

namespace {
class ComponentStreaming : public ::testing::Test {
 protected:
  void SetUp() override { RegisterStreamFixture(); }

  // Root1 owns Widget1 (which owns Grand1) and Widget2 (non-visual, placed
  // on the design surface); values of every kind away from their defaults.
  static std::unique_ptr<TTestRoot> BuildTree() {
    auto root = std::make_unique<TTestRoot>();
    root->SetName("Root1");
    auto* w1 = new TWidget(root.get());
    w1->SetName("Widget1");
    auto* w2 = new TWidget(root.get());
    w2->SetName("Widget2");
    auto* grand = new TWidget(w1);
    grand->SetName("Grand1");
    w1->Count = -70000;
    w1->Shade = 0xFF;
    w1->Big = int64_t{1} << 40;
    w1->Letter = 'Q';
    w1->Mood = mdGrumpy;
    w1->Traits = {trBold, trShy};
    w1->Enabled = false;
    w1->Ratio = 2.5;
    w1->Scale = 0.5f;
    w1->Price = 12.34;
    w1->When = 45000.5;
    w1->Caption = "It's \xC3\xA9t\xC3\xA9";
    w1->Style()->FontName = "Serif";
    w1->Style()->Traits = {trQuick};
    w1->Lines()->Add("first");
    w1->Lines()->Add("second");
    static_cast<TStreamItem*>(w1->Items()->Add())->Caption = "one";
    static_cast<TStreamItem*>(w1->Items()->Add())->Value = 2;
    w1->SetLink(grand);
    w1->OnClick.Bind<&TTestRoot::WidgetClick>(root.get());
    w2->Shade = 7;
    w2->SetDesignInfo(40 + 16 * 65536);
    w2->SetLink(w1);
    grand->SetLink(w2);
    grand->SetTag(5);
    return root;
  }

  static std::string Binary(TComponent* root) {
    TStringStream stream;
    WriteComponent(stream, root);
    return stream.DataString();
  }
};

TWidget* Widget(TComponent* owner, const char* name) {
  return dynamic_cast<TWidget*>(FindNestedComponent(owner, name));
}
}  // namespace

TEST_F(ComponentStreaming, TreeReadsBackEqual) {
  auto original = BuildTree();
  std::string bytes = Binary(original.get());
  TStringStream input(bytes);
  TTestRoot copy;
  EXPECT_EQ(ReadComponent(input, &copy), &copy);
  EXPECT_EQ(input.Position(), static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(Binary(&copy), bytes);

  TWidget* w1 = Widget(&copy, "Widget1");
  TWidget* w2 = Widget(&copy, "Widget2");
  TWidget* grand = Widget(&copy, "Widget1.Grand1");
  ASSERT_TRUE(w1 && w2 && grand);
  EXPECT_EQ(copy.Name(), "Root1");
  EXPECT_EQ(grand->Owner(), w1);
  EXPECT_EQ(w1->Count, -70000);
  EXPECT_EQ(w1->Big, int64_t{1} << 40);
  EXPECT_EQ(w1->Traits, (TSet<TTrait>{trBold, trShy}));
  EXPECT_FALSE(w1->Enabled);
  EXPECT_EQ(w1->Caption, "It's \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(w1->Style()->FontName, "Serif");
  EXPECT_EQ(w1->Lines()->Text(), "first\nsecond\n");
  ASSERT_EQ(w1->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TStreamItem*>(w1->Items()->Items(1))->Value, 2);
  EXPECT_EQ(w1->Link(), grand);
  EXPECT_EQ(w2->Link(), w1);
  EXPECT_EQ(grand->Link(), w2);
  EXPECT_EQ(w2->DesignInfo(), 40 + 16 * 65536);
  // The event is bound to the reading root's handler.
  ASSERT_TRUE(w1->OnClick.Assigned());
  EXPECT_EQ(w1->OnClick.Method().Data, static_cast<TObject*>(&copy));
  w1->OnClick(w1);
  EXPECT_EQ(copy.Clicks, 1);
  // Loaded ran once per component, after references were resolved, and no
  // reading state is left behind.
  for (TWidget* w : {w1, w2, grand}) {
    EXPECT_EQ(w->LoadedCalls, 1) << w->Name();
    EXPECT_FALSE(w->ComponentState().Contains(csLoading)) << w->Name();
    EXPECT_FALSE(w->ComponentState().Contains(csReading)) << w->Name();
  }
  EXPECT_EQ(w2->LinkAtLoaded, "Widget1");
  EXPECT_FALSE(copy.ComponentState().Contains(csLoading));
}

TEST_F(ComponentStreaming, TextFormShowsTheClassicLayoutAndLeavesDefaultsOut) {
  auto root = BuildTree();
  std::string text = ComponentToText(root.get());
  for (const char* line :
       {"object Root1: TTestRoot\n", "  object Widget1: TWidget\n", "    Count = -70000\n",
        "    Shade = shWhite\n", "    Big = 1099511627776\n", "    Letter = 'Q'\n",
        "    Mood = mdGrumpy\n", "    Traits = [trBold, trShy]\n", "    Enabled = False\n",
        "    Style.Name = 'Serif'\n", "    Style.Size = 8\n", "    Style.Traits = [trQuick]\n",
        "    Lines.Strings = (\n      'first'\n      'second')\n", "    Link = Widget1.Grand1\n",
        "    OnClick = WidgetClick\n", "      item\n        Caption = 'one'\n      end\n",
        "    object Grand1: TWidget\n", "      Tag = 5\n", "      Link = Widget2\n",
        "  object Widget2: TWidget\n    Shade = 7\n", "    Link = Widget1\n",
        "    Left = 40\n    Top = 16\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
  // A widget left at its defaults writes only what has no default.
  TTestRoot plain;
  plain.SetName("Plain");
  (new TWidget(&plain))->SetName("W");
  EXPECT_EQ(ComponentToText(&plain),
            "object Plain: TTestRoot\n"
            "  object W: TWidget\n"
            "    Style.Name = 'Sans'\n"
            "    Style.Size = 8\n"
            "    Items = <>\n"
            "  end\n"
            "end\n");

  TTestRoot again;
  TextToComponent(text, &again);
  EXPECT_EQ(ComponentToText(&again), text);
}

TEST_F(ComponentStreaming, FormFileResourceRoundTrip) {
  auto root = BuildTree();
  TMemoryStream file;
  WriteComponentRes(file, "TTESTROOT", root.get());
  file.SetPosition(0);
  std::unique_ptr<TComponent> created(ReadComponentRes(file, nullptr));
  EXPECT_EQ(created->ClassName(), "TTestRoot");
  EXPECT_EQ(Binary(created.get()), Binary(root.get()));
}

TEST_F(ComponentStreaming, BadInputRaisesClearErrorsAndLeavesTheRootUsable) {
  struct Case {
    const char* body;  // inside "object Root1: TTestRoot ... end"
    const char* message;
  };
  const std::vector<Case> cases = {
      {"object W: TWidget\n Foo = 1\nend", "Error reading W.Foo: Property Foo does not exist"},
      {"object W: TWidget\n Style.Bogus = 1\nend",
       "Error reading W.Style.Bogus: Property Bogus does not exist"},
      {"object W: TWidget\n Count = 'abc'\nend", "Error reading W.Count: Invalid property value"},
      {"object W: TWidget\n Mood = mdSleepy\nend", "Error reading W.Mood: Invalid property value"},
      {"object W: TWidget\n Shade = shPink\nend", "Error reading W.Shade: Invalid property value"},
      {"object W: TWidget\n Traits = [trBold, trNone]\nend",
       "Error reading W.Traits: Invalid property value"},
      {"object W: TWidget\n OnClick = Nowhere\nend", "Error reading W.OnClick: Method Nowhere not found"},
      {"object W: TWidget\n Items = <\n item\n Bogus = 1\n end>\nend",
       "Error reading W.Items[0].Bogus: Property Bogus does not exist"},
      {"object W: TWidget\n object G: TGadgetThatIsNot\n end\nend", "Class TGadgetThatIsNot not found"},
      {"object W: TWidget\nend\nobject W: TWidget\nend", "A component named W already exists"},
      {"object W: TWidget\n object G: TWidget\n Count = 1.5\n end\nend",
       "Error reading G.Count: Invalid property value"},
      {"Tag = 'x'", "Error reading Root1.Tag: Invalid property value"},
  };
  for (const Case& c : cases) {
    TTestRoot root;
    auto* keep = new TWidget(&root);
    keep->SetName("Keep");
    std::string text = std::string("object Root1: TTestRoot\n") + c.body + "\nend\n";
    try {
      TextToComponent(text, &root);
      ADD_FAILURE() << "no error for " << c.body;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    // What was read before the error stays with its owner, the failing
    // component is gone, and the root can be streamed again.
    EXPECT_EQ(root.FindComponent("Keep"), keep);
    EXPECT_FALSE(root.ComponentState().Contains(csLoading));
    EXPECT_FALSE(root.ComponentState().Contains(csReading));
    for (int32_t i = 0; i < root.ComponentCount(); ++i)
      EXPECT_FALSE(root.Components(i)->ComponentState().Contains(csLoading)) << c.body;
    TTestRoot copy;
    TextToComponent(ComponentToText(&root), &copy);
    EXPECT_EQ(copy.ComponentCount(), root.ComponentCount());
  }
}

TEST_F(ComponentStreaming, ReaderEventsDecideOnNamesMethodsAndErrors) {
  const std::string text =
      "object Root1: TTestRoot\n"
      "  object W: TWidget\n"
      "    Foo = (1 2 3)\n"
      "    Count = 5\n"
      "    OnClick = SomebodyElsesHandler\n"
      "    object Lost: TNoSuchClass\n"
      "      Count = 1\n"
      "      object Inner: TWidget\n"
      "      end\n"
      "    end\n"
      "    object Found: TWidget\n"
      "      Count = 6\n"
      "    end\n"
      "  end\n"
      "end\n";
  TStringStream input(text);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);

  TTestRoot root;
  TReader reader(binary, 1024);
  std::vector<std::string> errors;
  reader.OnError = [&](TReader&, const std::string& message, bool& handled) {
    errors.push_back(message);
    handled = true;
  };
  reader.OnFindMethod = [](TReader&, const std::string&, void*& address, bool& error) {
    address = nullptr;
    error = false;
  };
  reader.OnSetName = [](TReader&, TComponent* component, std::string& name) {
    if (component->InheritsFrom(TWidget::StaticClass())) name += "_1";
  };
  reader.ReadRootComponent(&root);
  EXPECT_EQ(errors, (std::vector<std::string>{"Property Foo does not exist",
                                              "Class TNoSuchClass not found"}));
  TWidget* w = Widget(&root, "W_1");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Count, 5);
  EXPECT_FALSE(w->OnClick.Assigned());
  ASSERT_NE(Widget(w, "Found_1"), nullptr);
  EXPECT_EQ(Widget(w, "Found_1")->Count, 6);
  EXPECT_EQ(w->ComponentCount(), 1);
}

TEST_F(ComponentStreaming, PastedComponentsJoinAnExistingRootAndResolveReferences) {
  TTestRoot form;
  form.SetName("Form1");
  auto* target = new TWidget(&form);
  target->SetName("Target");
  const std::string text =
      "object Copy1: TWidget\n"
      "  Link = Target\n"
      "end\n"
      "object Copy2: TWidget\n"
      "  Link = Copy1\n"
      "end\n";
  TStringStream input(text);
  TMemoryStream binary;
  while (input.Position() < input.Size()) ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  std::vector<TComponent*> pasted;
  while (binary.Position() < binary.Size()) {
    TReader reader(binary, 1024);
    reader.SetRoot(&form);
    reader.SetOwner(&form);
    reader.BeginReferences();
    reader.ReadSignature();
    pasted.push_back(reader.ReadComponent(nullptr));
    reader.FixupReferences();
    reader.EndReferences();
  }
  ASSERT_EQ(pasted.size(), 2u);
  EXPECT_EQ(pasted[0]->Owner(), &form);
  EXPECT_EQ(Widget(&form, "Copy1")->Link(), target);
  EXPECT_EQ(Widget(&form, "Copy2")->Link(), pasted[0]);
  EXPECT_EQ(Widget(&form, "Copy2")->LoadedCalls, 1);
}

TEST_F(ComponentStreaming, EveryTruncatedOrCorruptedStreamFailsCleanly) {
  auto original = BuildTree();
  const std::string bytes = Binary(original.get());
  auto attempt = [](const std::string& data) {
    TStringStream input(data);
    TTestRoot root;
    try {
      TReader reader(input, 64);
      reader.ReadRootComponent(&root);
    } catch (const Exception&) {
    }
    EXPECT_FALSE(root.ComponentState().Contains(csReading));
  };
  for (size_t length = 0; length < bytes.size(); ++length) {
    TStringStream input(bytes.substr(0, length));
    TTestRoot root;
    TReader reader(input, 64);
    EXPECT_THROW(reader.ReadRootComponent(&root), Exception) << length;
  }
  for (size_t i = 4; i < bytes.size(); ++i) {
    for (char replacement : {'\0', '\x7F', '\xFF'}) {
      std::string corrupt = bytes;
      corrupt[i] = replacement;
      attempt(corrupt);
    }
  }
}

TEST_F(ComponentStreaming, DescendentsWriteOnlyWhatDiffersFromTheirAncestor) {
  TTestRoot ancestor;
  ancestor.SetName("Root1");
  auto* base = new TWidget(&ancestor);
  base->SetName("Widget1");
  base->Count = 3;
  base->Caption = "same";
  TTestRoot descendant;
  TextToComponent(ComponentToText(&ancestor), &descendant);
  Widget(&descendant, "Widget1")->Count = 4;
  (new TWidget(&descendant))->SetName("Added");

  TStringStream binary;
  {
    TWriter writer(binary, 1024);
    writer.WriteDescendent(&descendant, &ancestor);
  }
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  EXPECT_EQ(text.DataString(),
            "object Root1: TTestRoot\n"
            "  inherited Widget1: TWidget\n"
            "    Count = 4\n"
            "  end\n"
            "  object Added: TWidget\n"
            "    Style.Name = 'Sans'\n"
            "    Style.Size = 8\n"
            "    Items = <>\n"
            "  end\n"
            "end\n");

  // Read over a copy of the ancestor: the inherited component is found, not made.
  TTestRoot target;
  TextToComponent(ComponentToText(&ancestor), &target);
  TWidget* existing = Widget(&target, "Widget1");
  binary.SetPosition(0);
  ReadComponent(binary, &target);
  EXPECT_EQ(Widget(&target, "Widget1"), existing);
  EXPECT_EQ(existing->Count, 4);
  EXPECT_EQ(existing->Caption, "same");
  EXPECT_NE(Widget(&target, "Added"), nullptr);
  EXPECT_EQ(target.ComponentCount(), 2);
}

TEST_F(ComponentStreaming, ReadComponentsReadsAListOfStreamsIntoAnOwner) {
  TTestRoot form;
  form.SetName("Form1");
  TStringStream list;
  for (const char* name : {"One", "Two"}) {
    TTestRoot source;
    auto* w = new TWidget(&source);
    w->SetName(name);
    w->Count = 9;
    TWriter writer(list, 1024);
    writer.SetRoot(&source);
    writer.WriteSignature();
    writer.WriteComponent(w);
  }
  list.Write("\0", 1);  // the end of the list
  list.SetPosition(0);
  std::vector<std::string> seen;
  TReader reader(list, 1024);
  reader.ReadComponents(&form, nullptr, [&](TComponent* c) { seen.push_back(c->Name()); });
  EXPECT_EQ(seen, (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(Widget(&form, "Two")->Count, 9);
  EXPECT_EQ(Widget(&form, "Two")->LoadedCalls, 1);
}
