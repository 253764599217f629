#!/usr/bin/env python3
"""Writes the wizard's artwork as SVG files, one per picture, into the folder
given as the first argument; make-artwork.sh renders them to PNG. With the
second argument "icon" it writes the application icon's sizes instead, for
make-icon.sh.

Every picture shares one visual identity: a blue gradient, soft translucent
shapes, the lark-play mark and WenQuanYi Micro Hei lettering. Nothing here is
random, so the output is the same on every run."""
import os
import sys

CJK = "WenQuanYi Micro Hei"
LATIN = "DejaVu Sans"
LIGHT = "#F5F8FC"          # the plain area where the pages draw their controls
INK = "#1F2D3D"
SUBTLE = "#6B7A90"
GLYPH = "#FFFFFF"


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}"><defs>{defs}</defs>{body}</svg>\n')


def text(x, y, s, size, fill, anchor="start", family=CJK, weight="normal",
         spacing=0, opacity=1.0, extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" '
            f'letter-spacing="{spacing}" fill-opacity="{opacity}" {extra}>{s}</text>')


def common_defs():
    """Gradients and filters shared by every picture."""
    return """
<linearGradient id="tile" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#6FD3FF"/><stop offset="0.55" stop-color="#2F8DFF"/>
  <stop offset="1" stop-color="#1457D9"/>
</linearGradient>
<linearGradient id="tileShine" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#FFFFFF" stop-opacity="0.45"/>
  <stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/>
</linearGradient>
<filter id="shadow" x="-30%" y="-30%" width="160%" height="170%">
  <feGaussianBlur in="SourceAlpha" stdDeviation="3"/>
  <feOffset dx="0" dy="3" result="b"/>
  <feComponentTransfer><feFuncA type="linear" slope="0.35"/></feComponentTransfer>
  <feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge>
</filter>
<filter id="soft" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur stdDeviation="18"/>
</filter>
<filter id="softer" x="-50%" y="-50%" width="200%" height="200%">
  <feGaussianBlur stdDeviation="6"/>
</filter>
"""


def feather(bx, by, tx, ty, width, opacity):
    """A swept blade from a base at (bx, by), width wide, to a tip at (tx, ty),
    bowed upward."""
    mx, my = (bx + tx) / 2, (by + ty) / 2
    return (f'<path d="M {bx} {by - width / 2} Q {mx + 4} {my - 10} {tx} {ty} '
            f'Q {mx + 2} {my + 2} {bx} {by + width / 2} Z" fill="white" fill-opacity="{opacity}"/>')


def lark(feathers=3):
    """The product symbol in a 100-unit box: a rounded play triangle, the
    lark's body, with swept feathers rising behind it as its wing. Small
    renderings keep fewer feathers so that they stay legible."""
    wing = [(44, 38, 10, 16, 10, 1.0), (40, 50, 14, 36, 9, 0.85), (38, 62, 20, 56, 7, 0.7)]
    return (''.join(feather(*f) for f in wing[:feathers])
            + '<path d="M 42 30 L 42 74 L 80 52 Z" fill="white" stroke="white" '
              'stroke-width="8" stroke-linejoin="round"/>')


def mark(x, y, size, shadow=True, feathers=3):
    """The product mark: the lark symbol on a blue gradient tile."""
    s = size / 100.0
    f = ' filter="url(#shadow)"' if shadow else ""
    return (f'<g transform="translate({x},{y}) scale({s})"><g{f}>'
            f'<rect x="0" y="0" width="100" height="100" rx="24" fill="url(#tile)"/></g>'
            f'<rect x="0" y="0" width="100" height="52" rx="24" fill="url(#tileShine)"/>'
            f'<rect x="0.75" y="0.75" width="98.5" height="98.5" rx="23.5" fill="none" '
            f'stroke="#FFFFFF" stroke-opacity="0.35" stroke-width="1.5"/>'
            f'{lark(feathers)}</g>')


def banner_gradient(gid, c0, c1, c2):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="1" y2="0.9">'
            f'<stop offset="0" stop-color="{c0}"/><stop offset="0.55" stop-color="{c1}"/>'
            f'<stop offset="1" stop-color="{c2}"/></linearGradient>')


def banner(width, height, gid, glow="#9FE3FF"):
    """A gradient banner with soft light shapes, its lower edge a gentle wave
    that meets the light area exactly at the banner's last row."""
    h = height
    return (
        f'<clipPath id="{gid}Clip"><rect x="0" y="0" width="{width}" height="{h}"/></clipPath>'
        f'<g clip-path="url(#{gid}Clip)">'
        f'<rect x="0" y="0" width="{width}" height="{h}" fill="url(#{gid})"/>'
        f'<g filter="url(#soft)">'
        f'<circle cx="70" cy="{h - 30}" r="110" fill="{glow}" fill-opacity="0.35"/>'
        f'<circle cx="{width - 120}" cy="{h * 0.62}" r="95" fill="#FFFFFF" fill-opacity="0.16"/>'
        f'</g>'
        f'<circle cx="{width - 40}" cy="{h + 40}" r="150" fill="#FFFFFF" fill-opacity="0.07"/>'
        f'<circle cx="-20" cy="{h * 0.15}" r="90" fill="#FFFFFF" fill-opacity="0.06"/>'
        f'<path d="M 0 {h - 46} C 150 {h - 90}, 330 {h - 6}, {width} {h - 62} L {width} {h} L 0 {h} Z" '
        f'fill="#FFFFFF" fill-opacity="0.08"/>'
        f'<path d="M 0 {h - 22} C 180 {h - 56}, 360 {h + 4}, {width} {h - 34} L {width} {h} L 0 {h} Z" '
        f'fill="#FFFFFF" fill-opacity="0.10"/></g>'
    )


def light_area(width, top, height):
    return (f'<rect x="0" y="{top}" width="{width}" height="{height}" fill="{LIGHT}"/>'
            f'<rect x="0" y="{top}" width="{width}" height="1" fill="#DCE5F0"/>')


def window_marks(min_x, min_y, close_x, close_y):
    """Minimise bar and close cross, as drawn by the glyph pictures."""
    return (f'<rect x="{min_x}" y="{min_y}" width="10" height="2" fill="{GLYPH}"/>'
            f'<path d="M {close_x + 1} {close_y + 1} L {close_x + 10} {close_y + 10} '
            f'M {close_x + 10} {close_y + 1} L {close_x + 1} {close_y + 10}" '
            f'stroke="{GLYPH}" stroke-width="1.6" stroke-linecap="round"/>')


def options_background():
    w, h, b = 588, 600, 285
    defs = common_defs() + banner_gradient("bg", "#2AA3FF", "#1673F0", "#0B47B8")
    body = (
        light_area(w, b, h - b)
        + banner(w, b, "bg")
        + mark(w / 2 - 44, 52, 88)
        + text(w / 2, 190, "云雀视界", 42, "#FFFFFF", "middle", weight="bold", spacing=6)
        + text(w / 2, 222, "LARKVIEW", 13, "#FFFFFF", "middle", family=LATIN, spacing=7, opacity=0.75)
        + text(w / 2, 250, "看见更精彩的世界", 15, "#FFFFFF", "middle", spacing=3, opacity=0.85)
        + text(20, 26, "云雀视界 安装向导", 13, "#FFFFFF", opacity=0.9)
        # captions of the fold-out strip, left of the folder box and the option boxes
        + text(108, 417, "安装位置", 13, SUBTLE)
        + text(108, 473, "附加选项", 13, SUBTLE)
    )
    return svg(w, h, body, defs)


SLIDES = [
    # gradient, glow, headline, subline, illustration
    (("#2E9BFF", "#1868E8", "#1840B0"), "#9FE3FF", "超清画质 流畅播放",
     "4K / HDR 硬件加速解码，高清影片不卡顿", "screen"),
    (("#8E5CFF", "#6A3FE0", "#4327A8"), "#F3A6FF", "海量影视 一键直达",
     "热门电影、剧集、综艺、动漫，想看就看", "posters"),
    (("#1FC8B4", "#0FA3A0", "#0B6F86"), "#B4FFE8", "智能字幕 多语言支持",
     "自动匹配字幕，中英日韩多语种一键切换", "subtitles"),
    (("#FFA14A", "#FF7A3D", "#E2483C"), "#FFE29A", "极速启动 省心省电",
     "秒开播放，低功耗解码，笔记本看片更持久", "bolt"),
    (("#35C6FF", "#2592F5", "#2456D6"), "#C8F4FF", "云端同步 随时续播",
     "观看记录多端同步，换台设备接着看", "cloud"),
]


def illus_screen(accent):
    return (
        '<g filter="url(#shadow)">'
        '<rect x="330" y="70" width="220" height="140" rx="12" fill="#FFFFFF" fill-opacity="0.95"/></g>'
        f'<rect x="340" y="80" width="200" height="112" rx="6" fill="{accent}" fill-opacity="0.9"/>'
        '<path d="M 340 160 L 390 122 L 430 150 L 470 118 L 540 170 L 540 186 Q 540 192 534 192 L 346 192 Q 340 192 340 186 Z" fill="#FFFFFF" fill-opacity="0.25"/>'
        '<circle cx="505" cy="105" r="12" fill="#FFE58A" fill-opacity="0.9"/>'
        '<circle cx="440" cy="136" r="24" fill="#FFFFFF" fill-opacity="0.92"/>'
        '<path d="M 433 124 L 453 136 L 433 148 Z" fill="' + accent + '"/>'
        '<rect x="420" y="210" width="40" height="18" fill="#FFFFFF" fill-opacity="0.7"/>'
        '<rect x="395" y="226" width="90" height="6" rx="3" fill="#FFFFFF" fill-opacity="0.8"/>'
        '<g transform="translate(316,58)"><rect width="62" height="28" rx="8" fill="#FFD24A"/>'
        + text(31, 20, "4K", 17, "#7A4A00", "middle", family=LATIN, weight="bold") + '</g>'
        '<g transform="translate(498,196)"><rect width="62" height="24" rx="8" fill="#FFFFFF"/>'
        + text(31, 17, "HDR", 13, accent, "middle", family=LATIN, weight="bold") + '</g>'
    )


def illus_posters(accent):
    cards = [
        (360, 92, -10, "#FF8BA7", "#FF5C7A"),
        (470, 92, 10, "#6ED3FF", "#2F8DFF"),
        (413, 72, 0, "#FFD36E", "#FF9F43"),
    ]
    out = ''
    for i, (x, y, rot, c0, c1) in enumerate(cards):
        out += (f'<linearGradient id="card{i}" x1="0" y1="0" x2="0" y2="1">'
                f'<stop offset="0" stop-color="{c0}"/><stop offset="1" stop-color="{c1}"/></linearGradient>')
    defs = out
    body = ''
    for i, (x, y, rot, c0, c1) in enumerate(cards):
        body += (f'<g transform="rotate({rot},{x + 50},{y + 140})" filter="url(#shadow)">'
                 f'<rect x="{x - 8}" y="{y}" width="116" height="160" rx="10" fill="#FFFFFF"/>'
                 f'<rect x="{x - 2}" y="{y + 6}" width="104" height="122" rx="6" fill="url(#card{i})"/>'
                 f'<circle cx="{x + 50}" cy="{y + 66}" r="20" fill="#FFFFFF" fill-opacity="0.85"/>'
                 f'<path d="M {x + 44} {y + 56} L {x + 60} {y + 66} L {x + 44} {y + 76} Z" fill="{c1}"/>'
                 f'<rect x="{x + 4}" y="{y + 136}" width="70" height="7" rx="3.5" fill="#C9D3E0"/>'
                 f'<rect x="{x + 4}" y="{y + 148}" width="44" height="6" rx="3" fill="#E1E7EF"/>'
                 f'</g>')
    return defs, body


def illus_subtitles(accent):
    def bubble(x, y, w, label, fill, ink, tail_left=True):
        t = (f'M {x + 18} {y + 44} L {x + 10} {y + 58} L {x + 32} {y + 44} Z' if tail_left else
             f'M {x + w - 18} {y + 44} L {x + w - 10} {y + 58} L {x + w - 32} {y + 44} Z')
        return (f'<g filter="url(#shadow)"><rect x="{x}" y="{y}" width="{w}" height="46" rx="14" fill="{fill}"/>'
                f'<path d="{t}" fill="{fill}"/></g>'
                + text(x + w / 2, y + 30, label, 19, ink, "middle", weight="bold"))
    return (
        '<g filter="url(#shadow)"><rect x="362" y="156" width="192" height="80" rx="12" fill="#0B3D4F" fill-opacity="0.55"/></g>'
        '<rect x="380" y="198" width="156" height="8" rx="4" fill="#FFFFFF" fill-opacity="0.9"/>'
        '<rect x="402" y="216" width="112" height="8" rx="4" fill="#FFFFFF" fill-opacity="0.6"/>'
        '<rect x="380" y="174" width="40" height="10" rx="5" fill="#FFE58A"/>'
        + bubble(372, 66, 66, "中文", "#FFFFFF", accent)
        + bubble(448, 46, 56, "EN", "#FFE58A", "#7A5A00")
        + bubble(500, 84, 50, "日", "#FFFFFF", accent, tail_left=False)
    )


def illus_bolt(accent):
    return '<g transform="translate(24,0)">' + (
        '<circle cx="445" cy="150" r="92" fill="#FFFFFF" fill-opacity="0.12"/>'
        '<circle cx="445" cy="150" r="70" fill="#FFFFFF" fill-opacity="0.18"/>'
        '<g filter="url(#shadow)"><circle cx="445" cy="150" r="50" fill="#FFFFFF"/></g>'
        f'<path d="M 452 112 L 422 156 L 442 156 L 434 190 L 470 140 L 449 140 L 460 112 Z" fill="{accent}" '
        'stroke="' + accent + '" stroke-width="3" stroke-linejoin="round"/>'
        # speed streaks
        '<rect x="342" y="118" width="40" height="6" rx="3" fill="#FFFFFF" fill-opacity="0.7"/>'
        '<rect x="336" y="142" width="34" height="6" rx="3" fill="#FFFFFF" fill-opacity="0.5"/>'
        '<rect x="346" y="166" width="26" height="6" rx="3" fill="#FFFFFF" fill-opacity="0.35"/>'
        # battery badge
        '<g transform="translate(482,206)" filter="url(#shadow)">'
        '<rect width="46" height="24" rx="6" fill="#FFFFFF"/>'
        '<rect x="46" y="8" width="4" height="8" rx="1.5" fill="#FFFFFF"/>'
        '<rect x="5" y="5" width="30" height="14" rx="3" fill="#35C759"/></g>'
    ) + '</g>'


def illus_cloud(accent):
    return (
        '<g filter="url(#shadow)">'
        '<path d="M 372 170 C 340 170, 336 128, 368 124 C 370 94, 412 80, 432 104 '
        'C 448 80, 498 86, 496 122 C 530 122, 534 170, 500 170 Z" fill="#FFFFFF"/></g>'
        # sync arrows
        f'<path d="M 410 136 A 26 26 0 0 1 458 128" fill="none" stroke="{accent}" stroke-width="6" stroke-linecap="round"/>'
        f'<path d="M 462 116 L 460 134 L 444 128 Z" fill="{accent}" stroke="{accent}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M 460 148 A 26 26 0 0 1 412 156" fill="none" stroke="{accent}" stroke-width="6" stroke-linecap="round"/>'
        f'<path d="M 408 168 L 410 150 L 426 156 Z" fill="{accent}" stroke="{accent}" stroke-width="2" stroke-linejoin="round"/>'
        # devices: laptop and phone
        '<g filter="url(#shadow)">'
        '<rect x="336" y="192" width="104" height="62" rx="6" fill="#FFFFFF" fill-opacity="0.95"/>'
        '<rect x="324" y="254" width="128" height="8" rx="4" fill="#FFFFFF" fill-opacity="0.95"/>'
        '<rect x="492" y="186" width="42" height="74" rx="8" fill="#FFFFFF" fill-opacity="0.95"/></g>'
        f'<rect x="344" y="200" width="88" height="46" rx="3" fill="{accent}" fill-opacity="0.85"/>'
        '<rect x="344" y="238" width="56" height="4" rx="2" fill="#FFE58A"/>'
        f'<rect x="498" y="196" width="30" height="52" rx="3" fill="{accent}" fill-opacity="0.85"/>'
        '<rect x="498" y="240" width="20" height="4" rx="2" fill="#FFE58A"/>'
    )


def slide(index):
    (c0, c1, c2), glow, headline, subline, kind = SLIDES[index]
    w, h, b = 588, 358, 285
    defs = common_defs() + banner_gradient("bg", c0, c1, c2)
    accent = c1
    if kind == "posters":
        extra_defs, art = illus_posters(accent)
        defs += extra_defs
    else:
        art = {"screen": illus_screen, "subtitles": illus_subtitles, "bolt": illus_bolt,
               "cloud": illus_cloud}[kind](accent)
    body = (
        light_area(w, b, h - b)
        + banner(w, b, "bg", glow)
        + mark(28, 24, 34, shadow=False)
        + text(72, 47, "云雀视界", 17, "#FFFFFF", weight="bold", spacing=2)
        + art
        + text(34, 140, headline, 32, "#FFFFFF", weight="bold", spacing=2)
        + f'<rect x="36" y="158" width="44" height="4" rx="2" fill="#FFFFFF" fill-opacity="0.85"/>'
        + text(34, 192, subline, 14, "#FFFFFF", opacity=0.9)
        + text(34, 244, "larkview.example", 12, "#FFFFFF", family=LATIN, opacity=0.6, spacing=1)
    )
    return svg(w, h, body, defs)


def finish_background():
    w, h, b = 588, 475, 238
    defs = common_defs() + banner_gradient("bg", "#2AA3FF", "#1673F0", "#0B47B8") + (
        '<linearGradient id="ok" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#4CD964"/><stop offset="1" stop-color="#22B04B"/></linearGradient>')
    body = (
        light_area(w, b, h - b)
        + banner(w, b, "bg")
        + mark(w / 2 - 40, 40, 80)
        # a check badge on the mark's lower-right corner
        + f'<g filter="url(#shadow)"><circle cx="{w / 2 + 38}" cy="114" r="15" fill="url(#ok)" stroke="#FFFFFF" stroke-width="2.5"/></g>'
        + f'<path d="M {w / 2 + 31} 114 L {w / 2 + 36} 119 L {w / 2 + 45} 109" fill="none" stroke="#FFFFFF" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>'
        + text(w / 2, 170, "安装完成", 34, "#FFFFFF", "middle", weight="bold", spacing=6)
        + text(w / 2, 200, "LARKVIEW", 12, "#FFFFFF", "middle", family=LATIN, spacing=7, opacity=0.7)
        + text(20, 26, "云雀视界 安装向导", 13, "#FFFFFF", opacity=0.9)
        + window_marks(548, 10, 573, 5)
        + text(w / 2, 268, "云雀视界已成功安装到您的电脑", 16, INK, "middle", spacing=1)
        + text(w / 2, 287, "点击下方按钮，开启高清观影之旅", 12, SUBTLE, "middle")
    )
    return svg(w, h, body, defs)


def button(width, height, caption, size, spacing):
    """A pill-shaped blue button with a soft shadow inside its own bounds and a
    glossy upper half; corners are transparent."""
    r = (height - 4) / 2
    defs = common_defs() + (
        '<linearGradient id="btn" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#3FAEFF"/><stop offset="1" stop-color="#0F64E6"/></linearGradient>'
        '<linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.35"/>'
        '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0.02"/></linearGradient>'
        '<filter id="bshadow" x="-10%" y="-20%" width="120%" height="160%">'
        '<feGaussianBlur in="SourceAlpha" stdDeviation="1.5"/><feOffset dy="1.5"/>'
        '<feComponentTransfer><feFuncA type="linear" slope="0.35"/></feComponentTransfer></filter>')
    bw, bh = width - 4, height - 4
    body = (
        f'<rect x="2" y="2" width="{bw}" height="{bh}" rx="{r}" fill="#0B3F99" filter="url(#bshadow)"/>'
        f'<rect x="2" y="1.5" width="{bw}" height="{bh}" rx="{r}" fill="url(#btn)"/>'
        f'<rect x="3" y="2.5" width="{bw - 2}" height="{bh / 2}" rx="{r - 1}" fill="url(#gloss)"/>'
        f'<rect x="2.5" y="2" width="{bw - 1}" height="{bh - 1}" rx="{r - 0.5}" fill="none" '
        f'stroke="#0A4FBF" stroke-opacity="0.55" stroke-width="1"/>'
        + text(width / 2, height / 2 + size * 0.36, caption, size, "#0A3E99", "middle",
               weight="bold", spacing=spacing, opacity=0.35, extra='dy="1"')
        + text(width / 2, height / 2 + size * 0.36, caption, size, "#FFFFFF", "middle",
               weight="bold", spacing=spacing)
    )
    return svg(width, height, body, defs)


def close_glyph():
    return svg(11, 11, '<path d="M 1.5 1.5 L 9.5 9.5 M 9.5 1.5 L 1.5 9.5" stroke="#FFFFFF" '
                       'stroke-width="1.7" stroke-linecap="round"/>')


def minimise_glyph():
    return svg(10, 2, '<rect x="0" y="0" width="10" height="2" fill="#FFFFFF"/>')


def chevron(up, hot):
    """A chevron in a small ring: grey and outlined at rest, a filled blue
    disc with a white chevron when the pointer has entered."""
    pts = "6.5,10 10,6.5 13.5,10" if up else "6.5,7 10,10.5 13.5,7"
    ring = ('<circle cx="10" cy="8.5" r="7.5" fill="#1A7CF5"/>' if hot else
            '<circle cx="10" cy="8.5" r="7" fill="#FFFFFF" fill-opacity="0.7" stroke="#9AA6B8" stroke-width="1"/>')
    colour = "#FFFFFF" if hot else "#6F7D92"
    return svg(20, 17, ring + f'<polyline points="{pts}" fill="none" stroke="{colour}" '
                              'stroke-width="1.7" stroke-linecap="round" stroke-linejoin="round"/>')


def main():
    out = sys.argv[1]
    if sys.argv[2:] == ["icon"]:
        for size in (16, 24, 32, 48, 256):
            with open(os.path.join(out, f"icon{size}.svg"), "w", encoding="utf-8") as f:
                f.write(icon(size))
        return
    pictures = {
        "options_background": options_background(),
        "options_install_button": button(197, 47, "一键安装", 20, 4),
        "close": close_glyph(),
        "minimise": minimise_glyph(),
        "chevron_down": chevron(False, False),
        "chevron_down_hot": chevron(False, True),
        "chevron_up": chevron(True, False),
        "chevron_up_hot": chevron(True, True),
        "finish_background": finish_background(),
        "finish_button": button(241, 39, "立即体验", 17, 4),
    }
    for i in range(len(SLIDES)):
        pictures[f"slide{i + 1}"] = slide(i)
    for name, content in pictures.items():
        with open(os.path.join(out, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(content)


if __name__ == "__main__":
    main()
