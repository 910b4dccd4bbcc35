// The system variables: a table of typed values with their ranges, plus the variables
// whose value is read from the editor's state (CMDNAMES, LASTPOINT, UCSORG, the view).
#include "ed/SystemVariables.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "editor/Editor.h"
#include "editor/HostCommand.h"
#include "editor/Prompter.h"
#include "headless/Host.h"

namespace {

struct Variable {
  int type = RTSHORT;  // RTSHORT, RTREAL, RTSTR or RTPOINT
  short ivalue = 0;
  double rvalue = 0.0;
  std::wstring svalue;
  int min = SHRT_MIN, max = SHRT_MAX;  // range of an integer variable
  // A variable computed from the editor's state; read-only unless `set` is given too.
  std::function<void(resbuf&)> get;
  std::function<void(const ZcGePoint3d&)> setPoint;
};

Variable Short(short value, int min, int max) {
  Variable v;
  v.type = RTSHORT;
  v.ivalue = value;
  v.min = min;
  v.max = max;
  return v;
}
Variable Real(double value) {
  Variable v;
  v.type = RTREAL;
  v.rvalue = value;
  return v;
}
Variable Text(const std::wstring& value) {
  Variable v;
  v.type = RTSTR;
  v.svalue = value;
  return v;
}
Variable Computed(int type, std::function<void(resbuf&)> get) {
  Variable v;
  v.type = type;
  v.get = std::move(get);
  return v;
}

void PutPoint(resbuf& rb, const ZcGePoint3d& p) {
  rb.restype = RTPOINT;
  rb.resval.rpoint[0] = p.x;
  rb.resval.rpoint[1] = p.y;
  rb.resval.rpoint[2] = p.z;
}
void PutReal(resbuf& rb, double value) {
  rb.restype = RTREAL;
  rb.resval.rreal = value;
}
void PutText(resbuf& rb, const std::wstring& text) {
  rb.restype = RTSTR;
  rb.resval.rstring = zcutDupString(text.c_str());
}

std::wstring LoginName() {
  const char* user = std::getenv("USER");
  return user && *user ? headless::FromUtf8(user) : L"user";
}

// The variables with the values a freshly started host has; keys are upper case.
std::map<std::wstring, Variable> Defaults() {
  std::map<std::wstring, Variable> t;
  t[L"CMDECHO"] = Short(1, 0, 1);
  t[L"FILEDIA"] = Short(1, 0, 1);
  t[L"PICKSTYLE"] = Short(1, 0, 3);
  t[L"OSMODE"] = Short(0, 0, 32767);
  t[L"UCSICON"] = Short(3, 0, 3);
  t[L"CVPORT"] = Short(2, 2, 2);  // the one model viewport
  t[L"PICKBOX"] = Short(3, 0, 50);    // pixels of half the pick box
  t[L"APERTURE"] = Short(10, 1, 50);  // pixels of half the object-snap box
  t[L"DIMASZ"] = Real(2.5);
  t[L"DIMSCALE"] = Real(1.0);
  t[L"TEXTSIZE"] = Real(2.5);
  t[L"TEXTSTYLE"] = Text(L"Standard");
  t[L"CMDNAMES"] = Computed(RTSTR, [](resbuf& rb) {
    std::wstring names;
    for (const std::wstring& n : headless::ActiveCommands()) names += (names.empty() ? L"" : L"'") + n;
    PutText(rb, names);
  });
  t[L"LASTPOINT"] = Computed(RTPOINT, [](resbuf& rb) { PutPoint(rb, editor::WcsToUcs(editor::LastPoint())); });
  t[L"LASTPOINT"].setPoint = [](const ZcGePoint3d& ucs) { editor::SetLastPoint(editor::UcsToWcs(ucs)); };
  t[L"UCSORG"] = Computed(RTPOINT, [](resbuf& rb) { PutPoint(rb, editor::UcsOrigin()); });
  t[L"VIEWCTR"] = Computed(RTPOINT, [](resbuf& rb) { PutPoint(rb, editor::WcsToUcs(editor::CurrentView().center)); });
  t[L"VIEWSIZE"] = Computed(RTREAL, [](resbuf& rb) { PutReal(rb, editor::CurrentView().height); });
  t[L"SCREENSIZE"] = Computed(RTPOINT, [](resbuf& rb) { PutPoint(rb, {1600.0, 900.0, 0.0}); });
  t[L"LOGINNAME"] = Computed(RTSTR, [](resbuf& rb) { PutText(rb, LoginName()); });
  return t;
}

std::map<std::wstring, Variable>& Table() {
  static std::map<std::wstring, Variable> table = Defaults();
  return table;
}

Variable* Find(const wchar_t* name) {
  if (!name) return nullptr;
  auto it = Table().find(editor::Upper(name));
  return it == Table().end() ? nullptr : &it->second;
}

}  // namespace

int zcedGetVar(const wchar_t* name, resbuf* result) {
  Variable* v = Find(name);
  if (!v || !result) return RTERROR;
  if (v->get) {
    v->get(*result);
    return RTNORM;
  }
  switch (v->type) {
    case RTSHORT: result->restype = RTSHORT; result->resval.rint = v->ivalue; break;
    case RTREAL: PutReal(*result, v->rvalue); break;
    default: PutText(*result, v->svalue); break;
  }
  return RTNORM;
}

int zcedSetVar(const wchar_t* name, const resbuf* value) {
  Variable* v = Find(name);
  if (!v || !value) return RTERROR;
  const int t = value->restype;
  if (v->get) {
    if (!v->setPoint) return RTREJ;
    if (t != RTPOINT && t != RT3DPOINT) return RTERROR;
    v->setPoint({value->resval.rpoint[0], value->resval.rpoint[1], value->resval.rpoint[2]});
    return RTNORM;
  }
  switch (v->type) {
    case RTSHORT: {
      long long n;
      if (t == RTSHORT) n = value->resval.rint;
      else if (t == RTLONG) n = value->resval.rlong;
      else return RTERROR;
      if (n < v->min || n > v->max) return RTERROR;
      v->ivalue = static_cast<short>(n);
      return RTNORM;
    }
    case RTREAL:
      if (t == RTREAL) v->rvalue = value->resval.rreal;
      else if (t == RTSHORT) v->rvalue = value->resval.rint;
      else if (t == RTLONG) v->rvalue = value->resval.rlong;
      else return RTERROR;
      return RTNORM;
    default:
      if (t != RTSTR) return RTERROR;
      v->svalue = value->resval.rstring ? value->resval.rstring : L"";
      return RTNORM;
  }
}

namespace editor {
void ResetVariables() { Table() = Defaults(); }

bool IsSystemVariable(const std::wstring& name) { return Find(name.c_str()) != nullptr; }

int SystemVariableType(const std::wstring& name) {
  Variable* v = Find(name.c_str());
  return v ? v->type : 0;
}

bool IsReadOnlyVariable(const std::wstring& name) {
  Variable* v = Find(name.c_str());
  return v && v->get && !v->setPoint;
}

std::wstring SystemVariableText(const std::wstring& name) {
  resbuf rb{};
  if (zcedGetVar(name.c_str(), &rb) != RTNORM) return L"";
  wchar_t buf[128];
  switch (rb.restype) {
    case RTSHORT: std::swprintf(buf, 128, L"%d", rb.resval.rint); return buf;
    case RTREAL: std::swprintf(buf, 128, L"%.4f", rb.resval.rreal); return buf;
    case RTPOINT: return PointText({rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]});
    default: {
      std::wstring text = rb.resval.rstring ? rb.resval.rstring : L"";
      zcutDelBuffer(rb.resval.rstring);
      return text;
    }
  }
}
}  // namespace editor
