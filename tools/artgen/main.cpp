// velmor-artgen: draws the tilesets and backgrounds the game ships in data/.
//
//   velmor-artgen DATA_DIR [--preview DIR]
//
// Writes DATA_DIR/Tilesets/{pai,darkpai,bluepai,pai256,contrast}.bmp,
// DATA_DIR/Backgrounds/{kanji.bmp,dragons.bmp,andromeda.jpg,catpats.jpg} and the Hall of Fame
// panel and help page paper, DATA_DIR/{hof.bmp,orange.jpg}. The tilesets, backgrounds and panel
// are also drawn 2, 3 and 4 times larger for large windows, as PNG files beside the 1x ones
// (pai@2x.png, kanji@3x.png, hof@4x.png, ...). The output depends only on this program, Qt and
// the fonts named in Glyphs.cpp, so running it again reproduces the files.

#include "Backgrounds.h"
#include "BmpFile.h"
#include "Faces.h"
#include "Glyphs.h"
#include "Panels.h"
#include "PngFile.h"
#include "Preview.h"
#include "Quantize.h"
#include "TileSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <array>

namespace {

using Faces = std::array<QImage, artgen::sheet::FaceCount>;

// Each look's 42 faces, drawn once for every tileset of that look.
struct FaceSets {
  Faces coloured, highContrast;
  explicit FaceSets(int k) {
    for (int face = 1; face <= artgen::sheet::FaceCount; ++face) {
      coloured[face - 1] = artgen::drawFace(face, k);
      highContrast[face - 1] = artgen::drawFace(face, k, artgen::Look::HighContrast);
    }
  }
  const Faces& of(const artgen::TileStyle& style) const {
    return style.look == artgen::Look::HighContrast ? highContrast : coloured;
  }
};

bool writeJpeg(const QImage& image, const QString& path, QString* error) {
  QImageWriter writer(path, "jpeg");
  writer.setQuality(88);
  writer.setOptimizedWrite(true);  // smaller Huffman tables; still a baseline file
  if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
    *error = path + ": " + writer.errorString();
    return false;
  }
  return true;
}

// "pai.bmp" drawn k times larger is "pai@2x.png".
QString scaledName(const QString& path, int k) {
  return path.left(path.lastIndexOf('.')) + QStringLiteral("@%1x.png").arg(k);
}

int fail(const QString& message) {
  QTextStream(stderr) << "velmor-artgen: " << message << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QString dataDir, previewDir;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
      previewDir = args[++i];
    else if (dataDir.isEmpty() && !args[i].startsWith('-'))
      dataDir = args[i];
    else
      return fail("usage: velmor-artgen DATA_DIR [--preview DIR]");
  }
  if (dataDir.isEmpty()) return fail("usage: velmor-artgen DATA_DIR [--preview DIR]");

  using namespace artgen;
  QString error;
  if (!checkFonts(&error)) return fail(error);
  const QString tilesets = dataDir + "/Tilesets";
  const QString backgrounds = dataDir + "/Backgrounds";
  if (!QDir().mkpath(tilesets) || !QDir().mkpath(backgrounds))
    return fail("cannot create the folders under " + dataDir);

  const FaceSets faces(1);
  for (const TileStyle& style : tileStyles()) {
    const QImage sheetImage = buildSheet(style, faces.of(style));
    const QString path = tilesets + "/" + style.fileName;
    const bool ok =
        style.palettised ? writeBmp8(quantizeTo256(sheetImage), path, &error) : writeBmp24(sheetImage, path, &error);
    if (!ok) return fail(error);
  }

  if (!writeBmp24(kanjiBackground(), backgrounds + "/kanji.bmp", &error) ||
      !writeBmp24(dragonsBackground(), backgrounds + "/dragons.bmp", &error) ||
      !writeJpeg(andromedaBackground(), backgrounds + "/andromeda.jpg", &error) ||
      !writeJpeg(catPawsBackground(), backgrounds + "/catpats.jpg", &error))
    return fail(error);

  if (!writeBmp24(hallOfFamePanel(), dataDir + "/hof.bmp", &error) ||
      !writeJpeg(helpPaper(), dataDir + "/orange.jpg", &error))
    return fail(error);

  for (int k = 2; k <= 4; ++k) {
    const FaceSets larger(k);
    for (const TileStyle& style : tileStyles()) {
      const QImage sheetImage = buildSheet(style, larger.of(style), k);
      if (!writePng(style.palettised ? quantizeTo256(sheetImage) : sheetImage,
                    scaledName(tilesets + "/" + style.fileName, k), &error))
        return fail(error);
    }
    if (!writePng(kanjiBackground(k), scaledName(backgrounds + "/kanji.bmp", k), &error) ||
        !writePng(dragonsBackground(k), scaledName(backgrounds + "/dragons.bmp", k), &error) ||
        !writePng(andromedaBackground(k), scaledName(backgrounds + "/andromeda.jpg", k), &error) ||
        !writePng(catPawsBackground(k), scaledName(backgrounds + "/catpats.jpg", k), &error) ||
        !writePng(hallOfFamePanel(k), scaledName(dataDir + "/hof.bmp", k), &error))
      return fail(error);
  }

  if (!previewDir.isEmpty() && !writePreview(dataDir, previewDir, &error)) return fail(error);
  return 0;
}
