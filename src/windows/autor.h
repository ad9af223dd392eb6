#pragma once
// TAutor: the author window, a fixed dialog over a background picture with the program's
// title, a few lines about the author and four links to the program's web pages, the
// author's mail and a page that sends a short message to the author's telephone.

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace tavra {

class THyperLabel;
class TmyLabel3d;

class TAutor : public QDialog {
  Q_OBJECT

 public:
  // The background picture of the installation, beside the program.
  static constexpr const char* kPictureFile = "Autor.jpg";
  // The picture is a few kilobytes; a larger file is not read.
  static constexpr std::size_t kMaxPictureFileBytes = std::size_t(4) << 20;

  // `programFolder` (with its trailing separator) is where the picture is looked for.
  explicit TAutor(const std::string& programFolder, QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;
  TmyLabel3d* myLabel3d1 = nullptr;
  TmyLabel3d* myLabel3d2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  THyperLabel* HyperLabel1 = nullptr;
  THyperLabel* HyperLabel2 = nullptr;
  THyperLabel* HyperLabel3 = nullptr;
  THyperLabel* HyperLabel4 = nullptr;
  QPushButton* OKButton = nullptr;

  void HyperLabel1Click();
  void HyperLabel2Click();
  void HyperLabel3Click();
  void HyperLabel4Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The picture file is read at creation and decoded, like the labels sized to their
  // texts, when the window is first shown: a start-up that never opens the window is
  // spared that work.
  void LoadPicture(const std::string& path);
  void ShowPicture();
  void SizeLabels();
  // Long texts wrap within `width`; with 0 the label is one line as wide as its text.
  QLabel* AddLabel(int x, int y, int width, const char* utf8);
  THyperLabel* AddLink(int x, int y, const char* caption, const char* hint);

  std::string pictureData_;
  std::vector<QLabel*> sizedToText_;
};

}  // namespace tavra
