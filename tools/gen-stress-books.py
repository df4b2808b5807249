#!/usr/bin/env python3
"""Writes the stress books: a blue-return company with business and real
estate income whose every statement, saved-statement block and list is
filled, with 10,000 rentals (or --rentals N). The output is the same for
the same arguments, so benchmark runs compare.

The statements take their rows (item numbers, codes, names) from the blue
sample books, the host's chart of accounts; their amounts are scaled.

    tools/gen-stress-books.py OUT.json [--rentals N]
"""
import argparse
import json
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
SAMPLE = ROOT / "samples" / "Books-blue.json"

FAMILY = ["松本 和子", "松本 健太", "松本 美咲", "松本 翼", "松本 千代"]
RELATION = ["妻", "長男", "嫁", "孫", "母"]
STAFF = ["佐藤 裕太", "高橋 ソノ子", "井上 翔", "前田 能子", "山本 悠", "その他"]
WARDS = ["中京区", "下京区", "上京区", "左京区", "右京区", "東山区", "北区", "南区"]
STREETS = ["壬生東高田町", "西院追分町", "四条通烏丸東入", "室町通二条下る", "御池通高倉西入"]
SURNAMES = ["田中", "小林", "中村", "伊藤", "渡辺", "加藤", "吉田", "山田", "佐々木", "山口"]
GIVEN = ["美穂", "大輔", "陽菜", "蓮", "結衣", "湊", "さくら", "悠真", "ﾊﾙｶ", "ｶｲﾄ"]
USES = ["住宅", "店舗", "事務所", "駐車場", "倉庫", "ｱﾄﾘｴ"]


class Numbers:
    """A fixed pseudo-random sequence (64-bit LCG), the same on every machine."""

    def __init__(self, seed):
        self.state = seed

    def below(self, bound):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % 2**64
        return (self.state >> 33) % bound


def amount(numbers, low, high, fraction=False):
    whole = low + numbers.below(high - low + 1)
    if fraction and numbers.below(3) == 0:
        return f"{whole}.{numbers.below(10000):04d}"
    return whole


def address(numbers, k):
    return f"京都市{WARDS[k % len(WARDS)]}{STREETS[k % len(STREETS)]}{numbers.below(99) + 1}番地"


def person(k):
    return f"{SURNAMES[k % len(SURNAMES)]} {GIVEN[(k // len(SURNAMES)) % len(GIVEN)]}"


def counterparty(numbers, k, label):
    return {
        "address": address(numbers, k),
        "name": f"{label}{k + 1}",
        "amountA": amount(numbers, 100000, 5000000),
        "amountB": amount(numbers, 10000, 500000),
        "amountC": amount(numbers, 1000, 50000),
    }


def salary(numbers, k, name):
    return {
        "name": name,
        "age": 20 + numbers.below(50),
        "months": 1 + numbers.below(12),
        "salary": amount(numbers, 300000, 4000000),
        "bonus": amount(numbers, 0, 400000),
        "taxWithheld": amount(numbers, 0, 90000),
    }


def family(numbers, k):
    entry = salary(numbers, k, FAMILY[k % len(FAMILY)])
    entry["relationship"] = RELATION[k % len(RELATION)]
    return entry


def land_rent(numbers, k):
    return {
        "address": address(numbers, k),
        "name": person(k + 3),
        "property": f"土地{k + 1}（{100 + numbers.below(400)}㎡）",
        "paymentKind": k % 2,
        "payment": amount(numbers, 100000, 900000),
        "rent": amount(numbers, 100000, 900000),
        "expensePart": amount(numbers, 50000, 500000),
    }


def rental(numbers, k):
    monthly = amount(numbers, 20000, 400000)
    return {
        "tenantName": person(k),
        "location": f"{WARDS[k % len(WARDS)]}{STREETS[k % len(STREETS)]}{k // 100 + 1} 第{k % 100 + 1}号室",
        "tenantAddress": address(numbers, k + 1),
        "houseOrLand": "土地" if k % 7 == 0 else "家屋",
        "use": USES[k % len(USES)],
        "contractFrom": 20180101 + 10000 * numbers.below(3) + 100 * numbers.below(12),
        "contractTo": 20230101 + 10000 * numbers.below(3) + 100 * numbers.below(12) + 30,
        "area": amount(numbers, 10, 300, fraction=True),
        "monthlyRent": monthly,
        "yearlyRent": monthly * 12,
        "gratuity": amount(numbers, 0, monthly),
        "keyMoney": amount(numbers, 0, monthly),
        "renewalFee": amount(numbers, 0, monthly),
        "transferFeeOther": amount(numbers, 0, 50000),
        "deposit": monthly * 2,
    }


def notes(text):
    """Lines until the 961-byte field is nearly full (code page 932: two bytes a character)."""
    lines, size, k = [], 0, 1
    while size + 2 * len(text) + 10 < 960:
        line = f"{k}. {text}"
        lines.append(line)
        size += len(line.encode("cp932")) + 2
        k += 1
    return "\r\n".join(lines)


def scaled(rows, numbers):
    out = []
    for row in rows:
        row = dict(row)
        for key in ("opening", "closing"):
            if key in row:
                row[key] = amount(numbers, 1000, 90000000, fraction=True)
        out.append(row)
    return out


def books(rentals):
    numbers = Numbers(20211231)
    sample = json.loads(SAMPLE.read_text(encoding="utf-8"))
    entry = sample["entries"][0]
    blue = entry["blue"]
    for kind in ("business", "realEstate"):
        for statement, rows in blue[kind].items():
            blue[kind][statement] = scaled(rows, numbers)
    blue["monthly"] = {
        "sales": [amount(numbers, 1000000, 5000000) for _ in range(12)],
        "householdConsumption": amount(numbers, 10000, 90000),
        "miscIncome": amount(numbers, 10000, 900000),
        "slot14": amount(numbers, 0, 9000),
        "purchases": [amount(numbers, 500000, 3000000) for _ in range(12)],
        "slot27": amount(numbers, 0, 9000),
    }
    entry["general"] = {
        "0": {
            "associationName": "中京青色申告会",
            "blueDeductionChoice": 1,
            "realEstateIncome": amount(numbers, 100000, 9000000, fraction=True),
        },
        "1": {
            "badDebt": [amount(numbers, 10000, 3000000) for _ in range(4)],
            "familyEmployees": [family(numbers, k) for k in range(5)],
        },
        "2": {"salaries": [salary(numbers, k, STAFF[k]) for k in range(6)]},
        "3": {
            "interest": [counterparty(numbers, k, "洛中信用金庫 支店") for k in range(2)],
            "taxAccountant": [counterparty(numbers, k, "税理士事務所") for k in range(2)],
        },
        "4": {"landRents": [land_rent(numbers, k) for k in range(2)]},
        "5": {
            "notes": notes("表具の受注が増え、工房の設備を更新した。"),
            "reducedRateSales": amount(numbers, 10000, 900000),
            "reducedRatePurchases": amount(numbers, 10000, 900000),
        },
        "6": {
            "customers": [
                {"name": f"得意先{k + 1}", "location": address(numbers, k), "amount": amount(numbers, 100000, 9000000)}
                for k in range(4)
            ],
            "otherCustomersAmount": amount(numbers, 100000, 9000000),
            "suppliers": [
                {"name": f"仕入先{k + 1}", "location": address(numbers, k), "amount": amount(numbers, 100000, 9000000)}
                for k in range(4)
            ],
            "otherSuppliersAmount": amount(numbers, 100000, 9000000),
            "reducedRateSales": amount(numbers, 10000, 900000),
            "reducedRatePurchases": amount(numbers, 10000, 900000),
        },
    }
    entry["realEstate"] = {
        "0": {"debtInterest": amount(numbers, 10000, 900000)},
        "1": {"rentals": [rental(numbers, k) for k in range(rentals)]},
        "2": {
            "loans": [counterparty(numbers, k, "京都中央銀行 支店") for k in range(3)],
            "taxAccountant": [counterparty(numbers, k, "会計事務所") for k in range(2)],
        },
        "3": {
            "salaries": [salary(numbers, k, STAFF[k]) for k in range(2)],
            "otherEmployees": 3,
            "familyEmployees": [family(numbers, k) for k in range(2)],
        },
        "4": {"landRents": [land_rent(numbers, k + 2) for k in range(2)]},
        "5": {"notes": notes("貸室の入退去が多く、管理を委託した。")},
        "6": {
            "repairs": [
                {
                    "address": address(numbers, k),
                    "name": f"京表装工務店{k + 1}",
                    "work": "外壁塗装",
                    "date": 20210301 + 100 * k,
                    "amount": amount(numbers, 100000, 3000000),
                    "expensePart": amount(numbers, 50000, 1000000),
                }
                for k in range(3)
            ]
        },
        "7": {
            "housingDetached": 3,
            "housingOtherBuildings": rentals // 2,
            "housingLandContracts": 4,
            "housingLandArea": "1234.5",
            "otherDetached": 2,
            "otherBuildings": rentals // 4,
            "otherLandContracts": rentals // 7,
            "otherLandArea": "9876.25",
            "parkingRoofed": 12,
            "parkingOpen": 48,
        },
    }
    entry["companyName"] = "松本表具店（松本 十蔵）"
    return {"format": sample["format"], "user": sample["user"], "selection": sample["selection"], "entries": [entry]}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--rentals", type=int, default=10000)
    args = parser.parse_args()
    text = json.dumps(books(args.rentals), ensure_ascii=False, indent=1)
    pathlib.Path(args.out).write_text(text + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
