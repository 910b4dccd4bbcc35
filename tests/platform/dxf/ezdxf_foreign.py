#!/usr/bin/python3
# Drawings made by ezdxf, a DXF library we did not write, holding entity kinds the database
# keeps without modelling them (meshes and face sets among them), and tables of kinds it keeps
# as read (dimension styles, user coordinate systems, viewports).
#   ezdxf_foreign.py make VERSION FILE      writes the drawing in that DXF version (R12, R2000, R2018)
#   ezdxf_foreign.py compare SOURCE SAVED   exits 1 unless every layout of SAVED holds the same
#       entities as SOURCE, the kept kinds group by group (as ezdxf writes them, handles aside,
#       names without regard to case), the handles they hold naming objects of the same kinds,
#       and the same DIMSTYLE, UCS and VPORT records, group by group in the same way (owners aside)
import sys

import ezdxf
from ezdxf.lldxf.tagwriter import TagCollector

KEPT = {"HATCH", "DIMENSION", "SOLID", "3DFACE", "RAY", "XLINE", "MLINE"}
KEPT_TABLES = ("dimstyles", "ucs", "viewports")


def kept(e):
    return e.dxftype() in KEPT or (e.dxftype() == "POLYLINE" and (e.is_poly_face_mesh or e.is_polygon_mesh))


def is_handle(code):
    return code in (5, 105, 480, 481, 1005) or 320 <= code <= 369 or 390 <= code <= 399


def make(version, path):
    doc = ezdxf.new(version, setup=True)
    msp = doc.modelspace()
    doc.layers.add("Foreign", color=3)
    doc.dimstyles.new("Foreign", dxfattribs={"dimtxt": 2.5, "dimasz": 1.5, "dimtxsty": "Standard"})
    doc.ucs.new("Tilted", dxfattribs={"origin": (5, 5, 0), "xaxis": (1, 1, 0), "yaxis": (-1, 1, 0)})
    doc.viewports.new("Second", dxfattribs={"center": (40, 20), "height": 30})
    msp.add_line((0, 0), (10, 0))
    msp.add_solid([(0, 0), (5, 0), (0, 5), (5, 5)], dxfattribs={"layer": "Foreign"})
    msp.add_3dface([(10, 0, 0), (15, 0, 0), (15, 5, 1), (10, 5, 1)])
    msp.add_linear_dim(base=(0, 10), p1=(0, 0), p2=(10, 0), dimstyle="Foreign").render()
    doc.layout().add_line((0, 0), (1, 1))  # paper space
    faces = msp.add_polyface()
    faces.append_faces([[(60, 0, 0), (70, 0, 0), (70, 10, 0)], [(60, 0, 0), (70, 10, 0), (60, 10, 5)]])
    mesh = msp.add_polymesh(size=(2, 2))
    for m, n, z in [(0, 0, 0), (0, 1, 1), (1, 0, 2), (1, 1, 3)]:
        mesh.set_mesh_vertex((m, n), (80 + 10 * m, 10 * n, z))
    if version != "R12":
        msp.add_ray((20, 0), (1, 1))
        msp.add_xline((30, 0), (0, 1))
        msp.add_mline([(0, 20), (10, 20), (10, 30)])
        hatch = msp.add_hatch(color=2)
        hatch.paths.add_polyline_path([(40, 0), (50, 0), (50, 10), (40, 10)], is_closed=True)
    doc.saveas(path)


def describe(doc, e):
    collector = TagCollector(dxfversion=ezdxf.const.DXF2000)
    e.export_dxf(collector)
    tags = []
    for code, value in ((t[0], t[1]) for t in collector.tags):
        if is_handle(code):
            target = doc.entitydb.get(value) if value not in ("0", "") else None
            tags.append((code, target.dxftype() if target is not None else None))
        else:
            tags.append((code, value.upper() if code in (6, 8) else value))
    return tags


def layouts(doc):
    named = [("*MODEL", doc.modelspace()), ("*PAPER", doc.layout())]
    named += [(b.name.upper(), b) for b in doc.blocks if not b.name.lower().startswith(("*model", "*paper", "$model", "$paper"))]
    return {name: sorted((e.dxftype(), describe(doc, e) if kept(e) else []) for e in layout)
            for name, layout in named}


def tables(doc):
    # owners aside: an R12 file names none, the file saved names its tables
    return {kind: sorted((r.dxf.name.upper(), [t for t in describe(doc, r) if t[0] != 330]) for r in getattr(doc, kind))
            for kind in KEPT_TABLES}


def compare(source, saved):
    a, b = ezdxf.readfile(source), ezdxf.readfile(saved)
    la, lb = layouts(a), layouts(b)
    failed = False
    ta, tb = tables(a), tables(b)
    for kind in KEPT_TABLES:
        if ta[kind] != tb[kind]:
            failed = True
            print("table %s: %s before, %s after" % (kind, [n for n, _ in ta[kind]], [n for n, _ in tb[kind]]))
            for x, y in zip(ta[kind], tb[kind]):
                if x != y:
                    print("  before: %s\n  after:  %s" % (x, y))
                    break
    for name in sorted(set(la) | set(lb)):
        ea, eb = la.get(name, []), lb.get(name, [])
        if ea == eb:
            continue
        failed = True
        print("layout %s: %d entities before, %d after" % (name, len(ea), len(eb)))
        for x, y in zip(ea, eb):
            if x != y:
                print("  before: %s\n  after:  %s" % (x, y))
                break
    errors = [e.message for e in b.audit().errors]
    if errors:
        failed = True
        print("audit errors: %s" % errors)
    return 1 if failed else 0


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3])
    else:
        sys.exit(compare(sys.argv[2], sys.argv[3]))
