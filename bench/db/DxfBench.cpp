// Reading and writing a drawing of 100,000 entities (lines, arcs, polylines, splines, texts,
// block references with attributes, groups and XData): our DXF reader and writer, and
// python3-ezdxf on the same file, in one run. ezdxf's figures are its own wall-clock times,
// measured inside the Python process and reported as manual time, so the ratio reads
// straight off the table. Reading reports its resident-set peak beside the time (as a
// multiple of the file's size); the whole cadhost process opening and saving the file is
// timed against ezdxf's read plus write.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>

#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "db/ZcDbSpline.h"
#include "db/ZcDbText.h"
#include "headless/Host.h"

namespace {

constexpr int kEntities = 100000;

wchar_t* Dup(const wchar_t* s) {
  std::size_t n = std::wcslen(s) + 1;
  auto* p = static_cast<wchar_t*>(std::malloc(n * sizeof(wchar_t)));
  std::wmemcpy(p, s, n);
  return p;
}

ZcDbObjectId Append(ZcDbBlockTableRecord* owner, ZcDbEntity* e) {
  ZcDbObjectId id;
  owner->appendZcDbEntity(id, e);
  e->close();
  return id;
}

void AddXData(ZcDbObjectId id, int n) {
  resbuf* xd = zcutNewRb(1001);
  xd->resval.rstring = Dup(L"Fastrelle");
  xd->rbnext = zcutNewRb(1000);
  xd->rbnext->resval.rstring = Dup(L"Przód");
  xd->rbnext->rbnext = zcutNewRb(1071);
  xd->rbnext->rbnext->resval.rlong = n;
  ZcDbEntity* e = nullptr;
  zcdbOpenObject(e, id, ZcDb::kForWrite);
  e->setXData(xd);
  e->close();
  zcutRelRb(xd);
}

// The drawing: ten kinds in turn, every tenth entity with XData, groups of 100.
std::unique_ptr<ZcDbDatabase> BuildDrawing() {
  auto db = std::make_unique<ZcDbDatabase>();
  ZcDbSymbolTable* apps = nullptr;
  zcdbOpenObject(apps, db->regAppTableId(), ZcDb::kForWrite);
  auto* app = new ZcDbRegAppTableRecord;
  app->setName(L"Fastrelle");
  ZcDbObjectId appId;
  apps->add(appId, app);
  app->close();
  apps->close();

  ZcDbSymbolTable* blocks = nullptr;
  zcdbOpenObject(blocks, db->blockTableId(), ZcDb::kForWrite);
  auto* label = new ZcDbBlockTableRecord;
  label->setName(L"Label");
  ZcDbObjectId labelId;
  blocks->add(labelId, label);
  label->appendZcDbEntity(appId, new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"1", L"NUM", L"Number?"));
  label->close();
  blocks->close();

  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
  ZcDbObjectIdArray members;
  ZcDbDictionary* groups = nullptr;
  db->getGroupDictionary(groups, ZcDb::kForWrite);
  for (int i = 0; i < kEntities; ++i) {
    double x = (i % 300) * 10.0, y = (i / 300) * 10.0;
    ZcGePoint3d p(x, y, 0);
    ZcDbObjectId id;
    switch (i % 10) {
      case 0: case 1: case 2:
        id = Append(ms, new ZcDbLine(p, p + ZcGeVector3d(7, 3, 0)));
        break;
      case 3: case 4:
        id = Append(ms, new ZcDbArc(p, 4.0, 0.3, 2.5));
        break;
      case 5: case 6: {
        auto* pl = new ZcDbPolyline;
        for (unsigned v = 0; v < 8; ++v) pl->addVertexAt(v, ZcGePoint2d(x + v, y + (v % 2)), v == 3 ? 0.4 : 0.0);
        id = Append(ms, pl);
        break;
      }
      case 7: {
        auto* sp = new ZcDbSpline;
        ZcGePoint3dArray fit;
        for (int k = 0; k < 6; ++k) fit.append(ZcGePoint3d(x + k, y + (k % 3) * 0.7, 0));
        sp->setFitData(fit, 3, 0.0, ZcGeVector3d(1, 0, 0), ZcGeVector3d(1, 0, 0));
        id = Append(ms, sp);
        break;
      }
      case 8:
        id = Append(ms, new ZcDbText(p, L"Przód 38"));
        break;
      default: {
        auto* ref = new ZcDbBlockReference(p, labelId);
        auto* a = new ZcDbAttribute;
        a->setTag(L"NUM");
        a->setTextString(L"42");
        a->setPosition(p);
        ref->appendAttribute(a);
        id = Append(ms, ref);
        break;
      }
    }
    if (i % 10 == 0) AddXData(id, i);
    members.append(id);
    if (members.length() == 100) {
      auto* g = new ZcDbGroup(L"", true);
      ZcDbObjectId gid;
      groups->setAt((L"G" + std::to_wstring(i / 100)).c_str(), g, gid);
      g->append(members);
      g->close();
      members.setLogicalLength(0);
    }
  }
  groups->close();
  ms->close();
  return db;
}

// A folder of this run's files, removed at the end: runs side by side never share a file.
const std::filesystem::path& RunFolder() {
  static struct Folder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("fastrelle-bench-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } folder;
  return folder.path;
}

const std::filesystem::path& SampleFile() {
  static std::filesystem::path file = [] {
    auto path = RunFolder() / "sample-100k.dxf";
    BuildDrawing()->saveAs(headless::FromUtf8(path.string()).c_str());
    return path;
  }();
  return file;
}

// Runs ezdxf on the sample file and returns the seconds it reported, or a negative number.
double EzdxfSeconds(const char* operation) {
  std::string out = (RunFolder() / "ezdxf.dxf").string();
  std::string script =
      "import sys, time, ezdxf\n"
      "op, src, dst = sys.argv[1:4]\n"
      "doc = ezdxf.readfile(src) if op == 'write' else None\n"
      "t = time.perf_counter()\n"
      "doc = ezdxf.readfile(src) if op != 'write' else doc\n"
      "doc.saveas(dst) if op != 'read' else None\n"
      "print(time.perf_counter() - t)\n";
  std::string command = "/usr/bin/python3 -c \"" + script + "\" " + operation + " '" + SampleFile().string() +
                        "' '" + out + "' 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1.0;
  double seconds = -1.0;
  if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1.0;
  ::pclose(pipe);
  return seconds;
}

void BM_WriteOurs(benchmark::State& state) {
  auto db = BuildDrawing();
  std::wstring out = headless::FromUtf8((RunFolder() / "out.dxf").string());
  for (auto _ : state) benchmark::DoNotOptimize(db->saveAs(out.c_str()));
  state.counters["entities"] = kEntities;
}

// A line of /proc/<process>/status in kB ("VmRSS:", "VmHWM:"); 0 when it cannot be read.
double StatusKb(const char* key, const std::string& process = "self") {
  std::ifstream status("/proc/" + process + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atof(line.c_str() + std::strlen(key));
  return 0;
}

void BM_ReadOurs(benchmark::State& state) {
  std::wstring in = headless::FromUtf8(SampleFile().string());
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ::malloc_trim(0);  // memory freed before is given back, so that reusing it counts
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    double before = StatusKb("VmRSS:");
    auto db = std::make_unique<ZcDbDatabase>();
    state.ResumeTiming();
    if (db->readDwgFile(in.c_str()) != Zcad::eOk) state.SkipWithError("our reader refused the sample");
    state.PauseTiming();
    peak = std::max(peak, StatusKb("VmHWM:") - before);
    db.reset();
    state.ResumeTiming();
  }
  double fileKb = static_cast<double>(std::filesystem::file_size(SampleFile())) / 1024;
  state.counters["entities"] = kEntities;
  state.counters["file_MB"] = fileKb / 1024;
  state.counters["peak_MB"] = peak / 1024;
  state.counters["peak_x_file"] = peak / fileKb;
}

// cadhost as a user runs it: start, load the modules, open the sample, save it, quit.
void BM_CadhostOpenSave(benchmark::State& state) {
  const auto& tmp = RunFolder();
  std::string cadhost = FASTRELLE_INSTALL_DIR "/cadhost", script = (tmp / "empty.scr").string();
  std::string appdata = (tmp / "appdata").string(), out = (tmp / "cadhost.dxf").string();
  std::ofstream(script) << "\n";
  std::string in = SampleFile().string();
  const char* argv[] = {cadhost.c_str(), "--appdata", appdata.c_str(), "--script", script.c_str(),
                        "--open", in.c_str(), "--save", out.c_str(), nullptr};
  double peakKb = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    bool ran = posix_spawn(&pid, argv[0], &quiet, nullptr, const_cast<char**>(argv), environ) == 0;
    // The child's own peak, looked at while it runs: its rusage would count this process's
    // memory too, which the child shared until it started cadhost.
    while (ran && ::waitpid(pid, &status, WNOHANG) == 0) {
      peakKb = std::max(peakKb, StatusKb("VmHWM:", std::to_string(pid)));
      ::usleep(2000);
    }
    ran = ran && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    if (!ran) {
      state.SkipWithError("cadhost did not open and save the sample");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["entities"] = kEntities;
  state.counters["peak_MB"] = peakKb / 1024;
}

void Ezdxf(benchmark::State& state, const char* operation) {
  for (auto _ : state) {
    double seconds = EzdxfSeconds(operation);
    if (seconds < 0) {
      state.SkipWithError("python3-ezdxf is not available");
      break;
    }
    state.SetIterationTime(seconds);
  }
  state.counters["entities"] = kEntities;
}
void BM_WriteEzdxf(benchmark::State& state) { Ezdxf(state, "write"); }

// The same two jobs without the file: the DXF text alone, built and parsed in memory.
void BM_TextOurs(benchmark::State& state) {
  auto db = BuildDrawing();
  for (auto _ : state) benchmark::DoNotOptimize(db->dxfText());
}
void BM_ParseOurs(benchmark::State& state) {
  std::string text = BuildDrawing()->dxfText();
  for (auto _ : state) {
    ZcDbDatabase db;
    benchmark::DoNotOptimize(db.readDxfText(text));
  }
}
void BM_ReadEzdxf(benchmark::State& state) { Ezdxf(state, "read"); }
void BM_ReadWriteEzdxf(benchmark::State& state) { Ezdxf(state, "readwrite"); }

}  // namespace

BENCHMARK(BM_WriteOurs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteEzdxf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_ReadOurs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadEzdxf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_TextOurs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ParseOurs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CadhostOpenSave)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ReadWriteEzdxf)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
