#!/usr/bin/env python3
"""Draws the program's pictures (splash, header, launchers, logos) as PNG files
in src/app/imagens. Plain shapes, no outside artwork; run it again after
changing a drawing and commit the PNG files with it.

Launcher pictures are 24-bit with no alpha: their bottom-left pixel is the
colour the launcher button treats as transparent (a fuchsia never used inside
the drawings)."""
import math
import os
import struct
import zlib

SAIDA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "app", "imagens")
FUNDO_LANCADOR = (255, 0, 255)


class Tela:
    def __init__(self, largura, altura, cor, alfa=False):
        self.l, self.a, self.alfa = largura, altura, alfa
        c = cor if len(cor) == 4 else cor + (255,)
        self.px = [list(c) for _ in range(largura * altura)]

    def ponto(self, x, y, cor):
        if 0 <= x < self.l and 0 <= y < self.a:
            self.px[y * self.l + x] = list(cor if len(cor) == 4 else cor + (255,))

    def retangulo(self, x0, y0, x1, y1, cor):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.ponto(x, y, cor)

    def moldura(self, x0, y0, x1, y1, cor, e=1):
        self.retangulo(x0, y0, x1, y0 + e, cor)
        self.retangulo(x0, y1 - e, x1, y1, cor)
        self.retangulo(x0, y0, x0 + e, y1, cor)
        self.retangulo(x1 - e, y0, x1, y1, cor)

    def elipse(self, cx, cy, rx, ry, cor, angulo=0.0):
        c, s = math.cos(angulo), math.sin(angulo)
        r = int(max(rx, ry)) + 1
        for y in range(int(cy) - r, int(cy) + r + 1):
            for x in range(int(cx) - r, int(cx) + r + 1):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                u, v = dx * c + dy * s, -dx * s + dy * c
                if (u / rx) ** 2 + (v / ry) ** 2 <= 1.0:
                    self.ponto(x, y, cor)

    def linha(self, x0, y0, x1, y1, cor, e=1):
        passos = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(passos + 1):
            t = i / passos
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            self.elipse(x, y, e / 2, e / 2, cor)

    def degrade(self, cima, baixo):
        for y in range(self.a):
            t = y / max(1, self.a - 1)
            cor = tuple(int(cima[i] + (baixo[i] - cima[i]) * t) for i in range(3))
            self.retangulo(0, y, self.l, y + 1, cor)

    def grava(self, nome):
        canais = 4 if self.alfa else 3
        bruto = bytearray()
        for y in range(self.a):
            bruto.append(0)
            for x in range(self.l):
                bruto.extend(self.px[y * self.l + x][:canais])

        def bloco(tipo, dados):
            return struct.pack(">I", len(dados)) + tipo + dados + struct.pack(
                ">I", zlib.crc32(tipo + dados) & 0xFFFFFFFF)

        cabecalho = struct.pack(">IIBBBBB", self.l, self.a, 8, 6 if self.alfa else 2, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + bloco(b"IHDR", cabecalho) + bloco(
            b"IDAT", zlib.compress(bytes(bruto), 9)) + bloco(b"IEND", b"")
        with open(os.path.join(SAIDA, nome), "wb") as f:
            f.write(png)


# A 5 x 7 block font, just the letters the pictures need.
LETRAS = {
    "D": ["1110", "1001", "1001", "1001", "1001", "1001", "1110"],
    "R": ["1110", "1001", "1001", "1110", "1010", "1001", "1001"],
    "A": ["0110", "1001", "1001", "1111", "1001", "1001", "1001"],
    "V": ["1001", "1001", "1001", "1001", "1001", "0110", "0110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "O": ["0110", "1001", "1001", "1001", "1001", "1001", "0110"],
    "L": ["1000", "1000", "1000", "1000", "1000", "1000", "1111"],
    "E": ["1111", "1000", "1000", "1110", "1000", "1000", "1111"],
    " ": ["00", "00", "00", "00", "00", "00", "00"],
}


def escreve(tela, texto, x, y, escala, cor):
    for letra in texto:
        desenho = LETRAS[letra]
        for j, linha in enumerate(desenho):
            for i, b in enumerate(linha):
                if b == "1":
                    tela.retangulo(x + i * escala, y + j * escala, x + (i + 1) * escala, y + (j + 1) * escala, cor)
        x += (len(desenho[0]) + 1) * escala
    return x


def largura_texto(texto, escala):
    return sum((len(LETRAS[c][0]) + 1) * escala for c in texto) - escala


def grao(tela, cx, cy, r, angulo, cor=(92, 52, 28), sulco=(50, 26, 12)):
    """A coffee bean: an ellipse with its groove."""
    tela.elipse(cx, cy, r, r * 0.7, sulco, angulo)
    tela.elipse(cx, cy, r - 2, r * 0.7 - 2, cor, angulo)
    c, s = math.cos(angulo), math.sin(angulo)
    tela.linha(cx - c * r * 0.7, cy - s * r * 0.7, cx + c * r * 0.7, cy + s * r * 0.7, sulco, 2)


def ramo(tela, x0, y0, x1, y1):
    """A coffee branch: stem, leaves and red cherries."""
    tela.linha(x0, y0, x1, y1, (96, 64, 32), 3)
    for i in range(1, 5):
        t = i / 5
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        tela.elipse(x - 12, y - 8, 14, 6, (30, 110, 40), 0.6)
        tela.elipse(x + 12, y - 8, 14, 6, (40, 130, 50), -0.6)
        for dx in (-4, 3):
            tela.elipse(x + dx, y + 3, 4, 4, (120, 10, 10))
            tela.elipse(x + dx, y + 3, 3, 3, (200, 30, 30))


def splash():
    t = Tela(500, 350, (0, 0, 0))
    t.degrade((20, 70, 30), (60, 120, 50))
    for i in range(14):
        grao(t, 40 + (i * 71) % 460, 30 + (i * 53) % 280, 14, i * 0.7,
             cor=(70, 100, 50), sulco=(40, 80, 35))
    t.retangulo(0, 120, 500, 215, (245, 240, 225))
    t.retangulo(0, 120, 500, 124, (150, 100, 50))
    t.retangulo(0, 211, 500, 215, (150, 100, 50))
    texto = "DRAVTOLVERA"
    escreve(t, texto, (500 - largura_texto(texto, 7)) // 2, 143, 7, (80, 45, 20))
    ramo(t, 30, 300, 140, 250)
    ramo(t, 470, 300, 360, 250)
    t.grava("splash.png")


def cabecalho():
    t = Tela(64, 51, (0, 0, 0))
    t.degrade((18, 70, 28), (52, 118, 48))
    t.retangulo(0, 48, 64, 51, (150, 100, 50))
    t.grava("cabecalho.png")


def logo():
    t = Tela(48, 48, (0, 0, 0, 0), alfa=True)
    t.elipse(24, 24, 22, 22, (245, 240, 225))
    grao(t, 24, 24, 16, -0.6)
    t.grava("logo.png")


def lancador(nome, desenha):
    t = Tela(64, 64, FUNDO_LANCADOR)
    desenha(t)
    assert tuple(t.px[(t.a - 1) * t.l][:3]) == FUNDO_LANCADOR
    t.grava(nome + ".png")


def cadastros(t):
    t.retangulo(8, 14, 58, 56, (60, 40, 20))
    t.retangulo(10, 16, 56, 54, (230, 190, 110))
    t.retangulo(10, 10, 30, 16, (60, 40, 20))
    t.retangulo(12, 12, 28, 16, (230, 190, 110))
    for y in (26, 34, 42):
        t.retangulo(16, y, 50, y + 3, (120, 80, 30))


def relatorios(t):
    t.retangulo(12, 6, 52, 60, (40, 40, 60))
    t.retangulo(14, 8, 50, 58, (250, 250, 250))
    for i, h in enumerate((14, 24, 18, 32)):
        t.retangulo(18 + i * 8, 52 - h, 24 + i * 8, 52, [(30, 110, 40), (200, 30, 30), (40, 80, 180), (220, 160, 20)][i])
    t.retangulo(16, 52, 48, 54, (40, 40, 60))


def utilitarios(t):
    for k in range(8):
        a = k * math.pi / 4
        t.linha(32, 32, 32 + math.cos(a) * 26, 32 + math.sin(a) * 26, (70, 70, 80), 9)
    t.elipse(32, 32, 20, 20, (70, 70, 80))
    t.elipse(32, 32, 17, 17, (150, 150, 165))
    t.elipse(32, 32, 7, 7, (70, 70, 80))
    t.elipse(32, 32, 5, 5, (250, 250, 250))


def abastece(t):
    t.retangulo(10, 8, 40, 60, (90, 10, 10))
    t.retangulo(12, 10, 38, 58, (210, 40, 30))
    t.retangulo(16, 14, 34, 26, (250, 250, 250))
    t.retangulo(6, 56, 44, 60, (60, 60, 60))
    t.linha(38, 20, 50, 20, (50, 50, 50), 3)
    t.linha(50, 20, 54, 44, (50, 50, 50), 3)
    t.retangulo(50, 40, 58, 48, (50, 50, 50))


def financeiro(t):
    for i, (x, y) in enumerate(((22, 40), (40, 44), (32, 24))):
        t.elipse(x, y, 16, 16, (140, 100, 10))
        t.elipse(x, y, 14, 14, (240, 200, 40))
        t.elipse(x, y, 9, 9, (220, 170, 20))
        t.retangulo(x - 1, y - 7, x + 2, y + 8, (140, 100, 10))


def mini(t):
    t.retangulo(16, 4, 48, 62, (30, 30, 35))
    t.retangulo(18, 6, 46, 60, (80, 80, 95))
    t.retangulo(21, 10, 43, 26, (20, 60, 20))
    t.retangulo(22, 11, 42, 25, (120, 200, 110))
    for j in range(4):
        for i in range(3):
            t.retangulo(22 + i * 7, 31 + j * 7, 27 + i * 7, 35 + j * 7, (230, 230, 230))
    t.elipse(32, 3, 4, 3, (200, 30, 30))


def logo_fabricante():
    t = Tela(150, 50, (0, 0, 0, 0), alfa=True)
    t.elipse(25, 25, 22, 22, (20, 70, 30))
    t.elipse(25, 25, 18, 18, (250, 250, 250))
    escreve(t, "D", 17, 15, 3, (20, 70, 30))
    x = 56
    for i, h in enumerate((12, 20, 28, 36)):
        t.retangulo(x + i * 10, 43 - h, x + i * 10 + 7, 43, (20, 70, 30) if i % 2 else (150, 100, 50))
    t.retangulo(52, 44, 146, 46, (20, 70, 30))
    t.grava("logo-fabricante.png")


def decoracao():
    t = Tela(130, 110, (0, 0, 0, 0), alfa=True)
    ramo(t, 10, 104, 116, 18)
    grao(t, 30, 30, 13, 0.5)
    grao(t, 56, 16, 11, -0.4)
    t.grava("decoracao.png")


def main():
    os.makedirs(SAIDA, exist_ok=True)
    splash()
    cabecalho()
    logo()
    for nome, desenha in (("cadastros", cadastros), ("relatorios", relatorios), ("utilitarios", utilitarios),
                          ("abastece", abastece), ("financeiro", financeiro), ("mini", mini)):
        lancador(nome, desenha)
    logo_fabricante()
    decoracao()


if __name__ == "__main__":
    main()
