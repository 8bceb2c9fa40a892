// The meshing frames of the largest pair (300 and 300 teeth): the five
// frames' rotations and drawing into real 657 × 489 images, as the
// calculate command and a view change do it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <map>
#include <string>

#include "commands/memory_ports.h"
#include "ui/plot.h"

namespace spurgear {
namespace {

class ImagePictures : public MemoryPictures {
 public:
  ImagePictures() {
    for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image7"}) {
      images.emplace(name, QImage(name[5] == '7' ? 537 : 657, name[5] == '7' ? 481 : 489,
                                  QImage::Format_RGB32));
    }
  }
  void DrawOutlines(std::string_view image, int mode, int endA, int endB, const ViewWindow& w,
                    std::span<const Point2D> a, std::span<const Point2D> b, int open) override {
    ui::DrawOutlines(images.at(std::string(image)), mode, endA, endB, w, a, b, open);
  }
  void DrawSegment(std::string_view image, const ViewWindow& w, double x1, double y1, double x2,
                   double y2) override {
    ui::DrawSegment(images.at(std::string(image)), w, x1, y1, x2, y2);
  }
  void DrawScaleBar(std::string_view image, double vw, double vh) override {
    ui::DrawScaleBar(images.at(std::string(image)), vw, vh);
  }
  std::map<std::string, QImage> images;
};

void BM_MeshFrames300(benchmark::State& s) {
  MemoryProgram p;
  ImagePictures pictures;
  Commands c(p.state, Ports{p.fields, p.messages, p.timer, pictures, p.dialogs, p.box, p.history,
                            p.desktop});
  c.Run([&] { c.FormCreate(); });
  p.fields.SetText("Edit2", "300");
  p.fields.SetText("Edit3", "300");
  if (!c.Run([&] { c.BitBtn1Click(); }) || p.state.meshFrom.Teeth1 != 300) {
    s.SkipWithError("the 300/300 pair did not calculate");
    return;
  }
  p.fields.SetIndex("RG1", static_cast<int>(s.range(0)));
  for (auto _ : s) {
    c.DrawMeshFrames();
    benchmark::DoNotOptimize(pictures.images.at("Image5").constBits());
  }
}
BENCHMARK(BM_MeshFrames300)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace spurgear

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
