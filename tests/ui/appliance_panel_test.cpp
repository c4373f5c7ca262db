// The appliance panel's own handlers: the input checks, the material and
// fixed-size lists, the display of the gas supply; and the tree's images.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "main_window_fixture.h"
#include "project/document.h"
#include "ui/icons.h"

namespace cv::ui::test {
namespace {

class PanelTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    item = AddDevice(GasSupply(), "Range", "Range", "50", "20");
    messages.Clear();
    Window().MarkSaved();
  }
  void ExpectRefused(const char* text, const char* failingBox) {
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Last().text, text);
    EXPECT_EQ(messages.Last().title, "Error");
    EXPECT_EQ(messages.Last().icon, cv::MessageIcon::Exclamation);
    EXPECT_EQ(Window().focusWidget(), Find<QLineEdit>(failingBox));
    EXPECT_EQ(Field(item, "load"), "50");
    EXPECT_EQ(Field(item, "length"), "20");
    EXPECT_FALSE(State().ProjectModified);
  }
  QComboBox* Sizes() { return Find<QComboBox>("cboMaterialSize"); }
  QTreeWidgetItem* item = nullptr;
};

TEST_F(PanelTest, ALoadOrLengthThatIsNotANumberIsRefused) {
  for (const auto& [box, text] : {std::pair{"txtLoad", "fifty"}, {"txtLength", ""}}) {
    SCOPED_TRACE(box);
    Type(box, text);
    PressUpdate();
    ExpectRefused("Load and length must be numeric...", box);
    Type(box, "20");
    messages.Clear();
  }
}

TEST_F(PanelTest, ANegativeValueIsRefusedAndZeroAccepted) {
  Type("txtLength", "-1");
  PressUpdate();
  ExpectRefused("Load and length must be greater than 0...", "txtLength");
  messages.Clear();
  Type("txtLength", "20");
  Type("txtLoad", "0");
  PressUpdate();
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(Field(item, "load"), "0");
}

TEST_F(PanelTest, ChoosingAMaterialRefillsTheSizes) {
  Choose("cboMaterial", "Pipe");
  EXPECT_EQ(Sizes()->count(), 10);
  EXPECT_EQ(Sizes()->itemText(0), "1/2\" SCHEDULE 40");
  EXPECT_FALSE(Sizes()->isEnabled());
  Find<QCheckBox>("chkFixedSize")->click();
  Choose("cboMaterial", "CORVANTA");
  EXPECT_EQ(Sizes()->count(), 7);
  EXPECT_TRUE(Sizes()->isEnabled());
}

TEST_F(PanelTest, FixingTheSizeKeepsTheSizeShown) {
  const QString shown = Sizes()->currentText();
  ASSERT_FALSE(shown.isEmpty());
  Find<QCheckBox>("chkFixedSize")->click();
  EXPECT_TRUE(Sizes()->isEnabled());
  EXPECT_EQ(Sizes()->currentText(), shown);
  Find<QCheckBox>("chkFixedSize")->click();
  EXPECT_FALSE(Sizes()->isEnabled());
}

TEST_F(PanelTest, FixingTheSizeOverAnUpdateTextTakesTheFirstSize) {
  Sizes()->addItem("Press Update first");
  Sizes()->setCurrentIndex(Sizes()->count() - 1);
  Find<QCheckBox>("chkFixedSize")->click();
  EXPECT_EQ(Sizes()->currentIndex(), 0);
  EXPECT_EQ(Sizes()->currentText(), "10A CSST");
}

TEST_F(PanelTest, FixingTheSizeAfterAMaterialChangeNeverLeavesItEmpty) {
  Choose("cboMaterial", "Pipe");
  Sizes()->clear();
  Sizes()->addItem("25A CSST");
  Find<QCheckBox>("chkFixedSize")->click();
  EXPECT_EQ(Sizes()->currentIndex(), 0);
  EXPECT_EQ(Sizes()->currentText(), "1/2\" SCHEDULE 40");
}

TEST_F(PanelTest, TheGasSupplyShowsTheTotalLoadWithTheNodeControlsHidden) {
  Click(GasSupply());
  EXPECT_EQ(Find<QLineEdit>("txtDescription")->text(), "Gas Supply");
  EXPECT_EQ(Find<QLineEdit>("txtLoad")->text(), "50");
  EXPECT_TRUE(Find<QLabel>("lblParent")->text().isEmpty());
  for (const char* name : {"txtDescription", "txtLoad", "txtLength"})
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
  for (const char* name : {"txtLength", "cboMaterial", "cboMaterialSize", "chkFixedSize",
                           "cboAppliance", "cboEFV", "lblParentLabel", "lblLengthLabel"})
    EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_EQ(Window().CurrentSystemNode(), pugi::xml_node());
  Click(item);
  for (const char* name : {"txtLength", "cboMaterial", "cboAppliance", "chkFixedSize"})
    EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_TRUE(Find<QWidget>("cboEFV")->isHidden());
}

TEST(Icons, EveryImageKeyHasItsOwnPictureAtBothSizes) {
  const QStringList& keys = ImageKeys();
  ASSERT_EQ(keys.size(), 15);
  for (int size : {16, 32}) {
    std::vector<QImage> images;
    for (const QString& key : keys) {
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

}  // namespace
}  // namespace cv::ui::test
