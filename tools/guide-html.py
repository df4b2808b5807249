#!/usr/bin/python3
"""The user's guide (docs/ja/*.md) as HTML pages for the release archive,
beside the programs: OUT/guide/*.html with the screenshots they show in
OUT/guide/images/, and OUT/はじめにお読みください.txt in UTF-8 with a byte
order mark and CRLF line ends, so that Notepad on a Japanese Windows reads it.

Usage: tools/guide-html.py DOCS_JA OUT
Needs python3-markdown (Debian's python3).
"""
import pathlib
import re
import shutil
import sys

import markdown
from markdown.extensions.toc import TocExtension, slugify_unicode

README_NAME = "はじめにお読みください.txt"

PAGE = """<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>{title}</title>
<style>
body {{ font-family: "Yu Gothic UI", "Meiryo", "IPAPGothic", sans-serif; max-width: 60em;
       margin: 2em auto; padding: 0 1em; line-height: 1.7; color: #222; }}
h1 {{ border-bottom: 3px solid #2a5d9f; padding-bottom: .2em; }}
h2 {{ border-left: 6px solid #2a5d9f; padding-left: .4em; margin-top: 2em; }}
table {{ border-collapse: collapse; margin: 1em 0; }}
th, td {{ border: 1px solid #999; padding: .3em .6em; vertical-align: top; }}
th {{ background: #e8eef6; }}
code, pre {{ font-family: "MS Gothic", "IPAGothic", monospace; background: #f4f4f4; }}
pre {{ padding: .6em 1em; border: 1px solid #ddd; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
td:first-child {{ min-width: 14em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""

README_TEXT = """Brenlo 所得税データ出力 21.01.01 お試し版

これは、見本の帳簿で試すためのお試し版です。Tellary２１ の帳簿ではなく、
お試し フォルダの Books.json（見本の事業所「松本表具店」の帳簿）を読みます。
Tellary２１ に組み込んで使う製品版ではありません（製品版は、同じプログラムを
Tellary２１ のライブラリと組み合わせて作ります）。

試し方

  1. お試し フォルダを開き、Brenlo.exe をダブルクリックします。
     集計条件の画面が開きます。
  2. 出力先(F) の最後の「*.xml」を「2021_営業.xml」に書き換えて、
     ［実行(F12)］をクリックします。お試し フォルダに出力ファイル
     2021_営業.xml が書かれます。
  3. 2021_営業.xml を BrenloView.exe の上にドラッグすると、
     確認の結果と決算書の各ページがブラウザで開きます。

このフォルダには次のファイルが入っています。

  Brenlo.exe       Tellary２１（標準版）用の出力プログラム
  Brenlopro.exe    Tellary２１ PRO 用の出力プログラム
  BrenloView.exe   出力ファイルを確認し、決算書の形でブラウザに表示するプログラム
  brenlo-cli.exe   出力・確認・表示をコマンドプロンプトから行うプログラム
  お試し           上のプログラムと、見本の帳簿（Books.json）、
                   NorvikDef.ini、SUPPORT.INF を入れたお試し用のフォルダ
  guide            ユーザーズガイド（index.html をブラウザで開きます）
  INSTALL.md       管理者向けの導入資料（英語）

導入の手順は、ユーザーズガイドの「1. 導入」をご覧ください。

  guide\\install.html

メッセージの意味と対処は「4. メッセージ一覧」、困ったときは
「8. よくある質問とトラブル対処」をご覧ください。
"""


def page_name(source):
    return "index.html" if source.name == "README.md" else source.stem + ".html"


def convert(source, images):
    text = source.read_text(encoding="utf-8")
    # Links between the pages name their HTML files; screenshots sit beside them.
    text = re.sub(r"\]\(([\w-]+)\.md(#[^)]*)?\)",
                  lambda m: "](" + page_name(pathlib.Path(m.group(1) + ".md")) + (m.group(2) or "") + ")",
                  text)
    text = text.replace("](README.html", "](index.html")
    for image in re.findall(r"\]\(\.\./images/([\w.-]+)\)", text):
        images.add(image)
    text = text.replace("](../images/", "](images/")
    body = markdown.markdown(text, extensions=["tables", TocExtension(slugify=slugify_unicode)])
    title = re.search(r"^# (.+)$", text, re.MULTILINE).group(1)
    return PAGE.format(title=title, body=body)


def main():
    docs, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    guide = out / "guide"
    (guide / "images").mkdir(parents=True, exist_ok=True)
    images = set()
    for source in sorted(docs.glob("*.md")):
        (guide / page_name(source)).write_text(convert(source, images), encoding="utf-8")
    for image in sorted(images):
        shutil.copyfile(docs.parent / "images" / image, guide / "images" / image)
    (out / README_NAME).write_bytes(b"\xef\xbb\xbf" + README_TEXT.replace("\n", "\r\n").encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
