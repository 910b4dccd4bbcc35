"""The back-piece scenario of the curve helpers, on the ezdxf side.

  back_piece.py write PIECE.dxf           writes a loosely drawn back piece (R2000) on layer
                                          "Szew", its entities in shuffled order
  back_piece.py check FIRST.dxf FINAL.dxf AREA
                                          checks what the helpers saved: after the corner
                                          join and the outline's region of area AREA (FIRST),
                                          after the trace and the grade-point move of the
                                          shoulder corner (FINAL)
Exit status 0 when every check holds; the failed checks are printed.
"""
import math
import random
import sys

import ezdxf

# The piece: bottom and side lines overshooting at the lower corner, a fit-point spline
# shoulder from the side line's top to the neck arc, a centre-back line stopping 5 short of
# the arc, and a closed pocket inside.
BOTTOM = ((0.0, 0.0), (205.0, 0.0))
SIDE = ((200.0, -5.0), (210.0, 400.0))
SHOULDER = [(210.0, 400.0), (180.0, 405.0), (150.0, 412.0), (120.0, 420.0), (95.0, 426.0),
            (69.28203230275509, 430.0)]
NECK = ((0.0, 470.0), 80.0, 270.0, 330.0)  # centre, radius, start and end angle
CENTRE_BACK = ((0.0, 0.0), (0.0, 385.0))
POCKET = [(60.0, 150.0), (140.0, 150.0), (140.0, 250.0), (60.0, 250.0)]
CORNER_FROM = (210.0, 400.0)
CORNER_TO = (215.0, 404.0)


def write(path):
    doc = ezdxf.new("R2000")
    doc.layers.add("Szew")
    msp = doc.modelspace()
    attribs = {"layer": "Szew"}
    makers = [
        lambda: msp.add_line(*BOTTOM, dxfattribs=attribs),
        lambda: msp.add_line(*SIDE, dxfattribs=attribs),
        lambda: msp.add_spline(SHOULDER, dxfattribs=attribs),
        lambda: msp.add_arc(*NECK, dxfattribs=attribs),
        lambda: msp.add_line(*CENTRE_BACK, dxfattribs=attribs),
        lambda: msp.add_lwpolyline(POCKET, close=True, dxfattribs=attribs),
    ]
    random.Random(7).shuffle(makers)
    for make in makers:
        make()
    doc.saveas(path)


def near(a, b, tol=1e-6):
    return math.hypot(a[0] - b[0], a[1] - b[1]) <= tol


def crossing(l1, l2):
    (x1, y1), (x2, y2) = l1
    (x3, y3), (x4, y4) = l2
    d = (x1 - x2) * (y3 - y4) - (y1 - y2) * (x3 - x4)
    t = ((x1 - x3) * (y3 - y4) - (y1 - y3) * (x3 - x4)) / d
    return (x1 + t * (x2 - x1), y1 + t * (y2 - y1))


def outline_area(msp):
    """The area of the closed outline of the seam curves (the pocket left out), its arcs and
    splines flattened to within 1e-7."""
    pieces = []
    for e in msp.query("LINE ARC SPLINE"):
        if e.dxftype() == "LINE":
            pieces.append([tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]])
        else:
            pieces.append([tuple(p)[:2] for p in e.flattening(1e-7)])
    loop = pieces.pop(0)
    while pieces:
        tail = loop[-1]
        nxt = next((p for p in pieces if near(p[0], tail) or near(p[-1], tail)), None)
        if nxt is None:
            return None
        pieces.remove(nxt)
        loop += (nxt if near(nxt[0], tail) else nxt[::-1])[1:]
    if not near(loop[0], loop[-1]):
        return None
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(loop, loop[1:]))) / 2


def check(first_path, final_path, area):
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    docs = {}
    for name, path in (("first", first_path), ("final", final_path)):
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        expect(not auditor.has_errors, f"{name}: audit errors {[str(e) for e in auditor.errors]}")
        docs[name] = doc

    corner = crossing(BOTTOM, SIDE)
    first = docs["first"].modelspace()
    lines = [(tuple(e.dxf.start), tuple(e.dxf.end)) for e in first.query("LINE")]
    expect(len(lines) == 4, f"first: four lines (bottom, side, centre back, joining), got {len(lines)}")
    ends_at_corner = [l for l in lines if near(l[0], corner) or near(l[1], corner)]
    expect(len(ends_at_corner) == 2, f"first: the bottom and side lines end at their crossing {corner}")
    expect(all(math.hypot(l[0][0] - l[1][0], l[0][1] - l[1][1]) > 1 for l in lines), "first: no stub is left")
    arc_start = (NECK[0][0], NECK[0][1] - NECK[1])
    joining = [l for l in lines if {near(l[0], arc_start), near(l[1], arc_start)} == {True, False}
               and (near(l[0], CENTRE_BACK[1]) or near(l[1], CENTRE_BACK[1]))]
    expect(len(joining) == 1, "first: a joining line from the centre back's top to the neck arc")

    regions = len(first.query("REGION"))
    expect(regions == 1, f"first: one region, got {regions}")
    outline = outline_area(first)
    expect(outline is not None and abs(outline - area) <= 1e-3,
           f"first: the region's area {area} is the outline's, got {outline}")

    final = docs["final"].modelspace()
    regions = len(final.query("REGION"))
    expect(regions == 2, f"final: two regions (the outline's and the pocket's), got {regions}")
    side = [e for e in final.query("LINE") if near(e.dxf.start, corner) or near(e.dxf.end, corner)]
    expect(any(near(e.dxf.end, CORNER_TO) or near(e.dxf.start, CORNER_TO) for e in side),
           "final: the side line reaches the new corner")
    splines = list(final.query("SPLINE"))
    expect(len(splines) == 1, "final: one spline")
    if splines:
        fit = [tuple(p) for p in splines[0].fit_points]
        expect(len(fit) == len(SHOULDER), f"final: the spline keeps {len(SHOULDER)} fit points")
        expect(near(fit[0], CORNER_TO), f"final: the first fit point is at the new corner, got {fit[0]}")
        expect(near(fit[-1], SHOULDER[-1]), "final: the last fit point stayed")
        move = (CORNER_TO[0] - CORNER_FROM[0], CORNER_TO[1] - CORNER_FROM[1])
        shifts = []
        for old, new in zip(SHOULDER[1:-1], fit[1:-1]):
            d = (new[0] - old[0], new[1] - old[1])
            along = (d[0] * move[0] + d[1] * move[1]) / math.hypot(*move)
            expect(abs(d[0] * move[1] - d[1] * move[0]) < 1e-6, f"final: fit point {old} moved along the move")
            shifts.append(along)
        expect(all(a > b > 0 for a, b in zip(shifts, shifts[1:])) and shifts[-1] > 0,
               f"final: inner shifts fall with the distance from the corner, got {shifts}")
    pockets = list(final.query("LWPOLYLINE"))
    expect(len(pockets) == 1 and [tuple(p[:2]) for p in pockets[0].get_points()] == POCKET,
           "final: the pocket is untouched")

    for f in failures:
        print("FAILED:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    if sys.argv[1] == "write":
        write(sys.argv[2])
        sys.exit(0)
    sys.exit(check(sys.argv[2], sys.argv[3], float(sys.argv[4])))
