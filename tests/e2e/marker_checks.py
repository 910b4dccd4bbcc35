"""Checks of a saved marker shared by the end-to-end cases that make one (demo_road, warehouse):
the border, each placed piece's outline in the drawing, overlaps and the border's reach, and
the used length and efficiency a marker's pieces give, against what the transcript printed."""
import math
import re

import ezdxf.path

CURVES = {"LINE", "ARC", "LWPOLYLINE", "POLYLINE", "SPLINE", "ELLIPSE"}


def border(msp):
    """The border's corners (x0, y0, x1, y1): the one four-cornered polyline tagged by the layout."""
    found = [e for e in msp.query("LWPOLYLINE") if len(list(e.get_points("xy"))) == 4 and e.has_xdata("Fastrelle_Layout")]
    assert len(found) == 1, ("borders", len(found))
    points = list(found[0].get_points("xy"))
    return (min(p[0] for p in points), min(p[1] for p in points), max(p[0] for p in points), max(p[1] for p in points))


def pieces(msp):
    """The placed pieces: references of blocks named by a piece key model|part|size|side|lines."""
    return [e for e in msp.query("INSERT") if e.dxf.name.count("|") == 4]


def outline(doc, ref, flatness=0.01):
    """The piece's outline in the drawing: its block's outer curves placed by the reference,
    flattened to the given distance and chained into one closed polygon. The outer curves are
    the cut curves (on a size's cut layer, named with a trailing "'"), or the seam curves of a
    piece that carries only those (its key ends in "S"); seam curves of a piece that carries
    both lie inside its cut outline."""
    m = ref.matrix44()
    seam_only = ref.dxf.name.endswith("|S")
    runs = []
    for e in doc.blocks[ref.dxf.name]:
        if e.dxftype() in CURVES and e.dxf.layer.endswith("'") != seam_only:
            points = [(v.x, v.y) for v in ezdxf.path.make_path(e).transform(m).flattening(flatness)]
            runs.append(points)
    assert runs, (ref.dxf.name, "no outline")
    poly = list(runs.pop(0))
    while rest_of(runs, poly):
        pass
    assert not runs, (ref.dxf.name, "outline open at", poly[-1])
    assert math.dist(poly[0], poly[-1]) < 1e-6, (ref.dxf.name, "outline not closed")
    return poly[:-1]


def rest_of(runs, poly):
    """Appends to poly the run that starts or ends where it ends; False when none does."""
    tail = poly[-1]
    for i, run in enumerate(runs):
        if math.dist(run[0], tail) < 1e-6 or math.dist(run[-1], tail) < 1e-6:
            runs.pop(i)
            poly.extend((run if math.dist(run[0], tail) < 1e-6 else run[::-1])[1:])
            return True
    return False


def area(poly):
    return abs(sum(p[0] * q[1] - q[0] * p[1] for p, q in zip(poly, poly[1:] + poly[:1]))) / 2


def _cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def _on(p, q, r):
    """Whether r lies on the segment pq."""
    return abs(_cross(p, q, r)) < 1e-9 and min(p[0], q[0]) - 1e-9 <= r[0] <= max(p[0], q[0]) + 1e-9 \
        and min(p[1], q[1]) - 1e-9 <= r[1] <= max(p[1], q[1]) + 1e-9


def segments_meet(a, b, c, d):
    """Whether segments ab and cd cross or touch."""
    d1, d2, d3, d4 = _cross(c, d, a), _cross(c, d, b), _cross(a, b, c), _cross(a, b, d)
    if (d1 > 0) != (d2 > 0) and (d3 > 0) != (d4 > 0) and 0 not in (d1, d2, d3, d4):
        return True
    return _on(c, d, a) or _on(c, d, b) or _on(a, b, c) or _on(a, b, d)


def inside(p, poly):
    hit = False
    for a, b in zip(poly, poly[1:] + poly[:1]):
        if (a[1] > p[1]) != (b[1] > p[1]) and p[0] < a[0] + (p[1] - a[1]) * (b[0] - a[0]) / (b[1] - a[1]):
            hit = not hit
    return hit


def check_apart(named_polys, box):
    """Every outline inside the border's box and clear of every other (no crossing, no touch,
    none inside another)."""
    x0, y0, x1, y1 = box
    for name, poly in named_polys:
        assert all(x0 <= x <= x1 and y0 <= y <= y1 for x, y in poly), (name, "past the border")
    for i, (na, pa) in enumerate(named_polys):
        for nb, pb in named_polys[i + 1:]:
            if max(x for x, _ in pa) < min(x for x, _ in pb) or max(x for x, _ in pb) < min(x for x, _ in pa):
                continue
            edges_a, edges_b = list(zip(pa, pa[1:] + pa[:1])), list(zip(pb, pb[1:] + pb[:1]))
            assert not any(segments_meet(*s, *t) for s in edges_a for t in edges_b), (na, nb, "overlap")
            assert not inside(pa[0], pb) and not inside(pb[0], pa), (na, nb, "one inside the other")


def measures(named_polys, box):
    """The used length (the pieces' largest X less the border's left edge) and the efficiency
    in per cent (the outlines' areas over the fabric's width times the used length)."""
    used = max(x for _, poly in named_polys for x, _ in poly) - box[0]
    return used, 100 * sum(area(poly) for _, poly in named_polys) / ((box[3] - box[1]) * used)


def check_printed(transcript, used, efficiency):
    """The warehouse dialog's last "Długość całkowita" (whole units) and "Efektywność" (one
    decimal) against the measures."""
    length_shown = float(re.findall(r"Długość całkowita = ([0-9.]+)", transcript)[-1])
    efficiency_shown = float(re.findall(r"Efektywność = ([0-9.]+) %", transcript)[-1])
    assert abs(length_shown - used) <= 0.5, (length_shown, used)
    assert abs(efficiency_shown - efficiency) <= 0.05 + 1e-6, (efficiency_shown, efficiency)
