// The appliance panel's own handlers: the input checks, the fixed-size list,
// the display of the gas supply and of a kind chosen; and the tree's images.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "edit/placement_rules.h"
#include "main_window_fixture.h"
#include "project/document.h"
#include "ui/access/icons.h"

namespace cv::ui::test {
namespace {

class PanelTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    item = AddDevice(GasSupply(), "Range", "Range", "50", "20");
    messages.Clear();
    Window().Editor().MarkSaved();
  }
  QComboBox* Sizes() { return Find<QComboBox>("cboMaterialSize"); }
  QTreeWidgetItem* item = nullptr;
};

TEST_F(PanelTest, ALoadOrLengthThatIsNotANumberOrNegativeIsRefused) {
  const char* const numeric = "Load and length must be numeric...";
  const struct {
    const char* box;
    const char* typed;
    const char* message;
  } cases[] = {{"txtLoad", "fifty", numeric},
               {"txtLength", "", numeric},
               {"txtLength", "-1", "Load and length must be greater than 0..."}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Type(c.box, c.typed);
    PressUpdate();
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Last().text, c.message);
    EXPECT_EQ(messages.Last().title, "Error");
    EXPECT_EQ(messages.Last().icon, cv::MessageIcon::Exclamation);
    EXPECT_EQ(Window().focusWidget(), Find<QLineEdit>(c.box));
    EXPECT_EQ(Field(item, "load") + " " + Field(item, "length"), "50 20") << "nothing stored";
    EXPECT_FALSE(Window().Editor().Modified());
    Type(c.box, "20");
    messages.Clear();
  }
  Type("txtLoad", "0");
  PressUpdate();
  EXPECT_TRUE(messages.Shown().empty()) << "zero is accepted";
  EXPECT_EQ(Field(item, "load"), "0");
}

TEST_F(PanelTest, FixingTheSizeKeepsTheSizeShownWhenTheMaterialHasIt) {
  struct Case {
    const char* material;
    const char* shown;  // what the size list shows when the box is ticked
    const char* fixed;
  };
  for (const Case& c : {Case{"CORVANTA", "15A CSST", "15A CSST"},
                        Case{"CORVANTA", "Press Update first", "10A CSST"},
                        Case{"Pipe", "25A CSST", "1/2\" SCHEDULE 40"}}) {
    Choose("cboMaterial", c.material);
    Sizes()->clear();
    Sizes()->addItem(c.shown);
    Find<QCheckBox>("chkFixedSize")->click();
    EXPECT_TRUE(Sizes()->isEnabled());
    EXPECT_EQ(Sizes()->currentText(), c.fixed) << c.shown;
    Find<QCheckBox>("chkFixedSize")->click();
    EXPECT_FALSE(Sizes()->isEnabled());
  }
}

TEST_F(PanelTest, TheGasSupplyHidesTheNodeControlsAndTheLoadBoxFollowsTheKind) {
  Click(GasSupply());
  EXPECT_EQ(Find<QLineEdit>("txtLoad")->text(), "50");
  EXPECT_TRUE(Find<QLabel>("lblParent")->text().isEmpty());
  for (const char* name : {"txtDescription", "txtLoad", "txtLength"})
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
  for (const char* name : {"txtLength", "cboMaterial", "cboMaterialSize", "chkFixedSize",
                           "cboAppliance", "cboEFV", "lblParentLabel", "lblLengthLabel"})
    EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
  Click(item);
  for (const char* name : {"txtLength", "cboMaterial", "cboAppliance", "chkFixedSize"})
    EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_TRUE(Find<QWidget>("cboEFV")->isHidden());
  // The load box follows the kind as it is chosen, before any Update.
  const std::pair<const char*, bool> kinds[] = {
      {"Tee", false}, {"Lamp", true}, {"Regulator", false}, {"Other", true}};
  for (const auto& [kind, takesLoad] : kinds) {
    Choose("cboAppliance", kind);
    EXPECT_EQ(Find<QWidget>("txtLoad")->isEnabled(), takesLoad) << kind;
  }
}

TEST(Icons, EveryImageKeyHasItsOwnPictureAtBothSizes) {
  for (int size : {16, 32}) {
    std::vector<QImage> images;
    for (const QString& key : ImageKeys()) {
      QImage image = DeviceImage(key, size).toImage();
      ASSERT_EQ(image.size(), QSize(size, size)) << key.toStdString();
      for (const QImage& earlier : images)
        EXPECT_NE(image, earlier) << key.toStdString() << " at " << size;
      images.push_back(image);
    }
  }
  EXPECT_EQ(DeviceImage("Unknown Kind", 16).toImage(), DeviceImage("Other", 16).toImage());
  EXPECT_FALSE(DeviceIcon("Tee").pixmap(16).isNull());
}

// What the panel does with the rules' answers: a refused kind goes back and
// hides the model list, an allowed EFV starts at the fifth model, and a
// load refused by the trip flow leaves the stored load in the box.
TEST_F(PanelTest, RefusedChoicesPutThePanelBack) {
  QTreeWidgetItem* valve = AddDevice(GasSupply(), "Valve", "EFV");
  Choose("cboEFV", "CV-EFV-40");
  PressUpdate();
  QTreeWidgetItem* lamp = AddDevice(valve, "Lamp", "Lamp", "1");
  auto* kinds = Find<QComboBox>("cboAppliance");
  auto* models = Find<QComboBox>("cboEFV");
  messages.Clear();
  Choose("cboAppliance", "EFV");
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kSeriesMessage});
  EXPECT_EQ(kinds->currentText(), "Lamp");
  EXPECT_TRUE(models->isHidden());
  Type("txtLoad", "41");
  PressUpdate();
  ASSERT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(messages.Last().buttons, cv::MessageButtons::OkCancel);
  EXPECT_EQ(Find<QLineEdit>("txtLoad")->text(), "1");
  EXPECT_EQ(Field(lamp, "load"), "1");
  Click(item);
  Choose("cboAppliance", "EFV");
  EXPECT_EQ(models->currentIndex(), 4);
  EXPECT_FALSE(models->isHidden());
  EXPECT_FALSE(Find<QLineEdit>("txtLoad")->isEnabled());
}

}  // namespace
}  // namespace cv::ui::test
