#include "calculator/templates.h"

#include <array>
#include <string>

#include "platform/picture.h"
#include "runtime/errors.h"
#include "shell/picmarkup.h"

namespace calc {

namespace {

// Indexed by procedure number.
constexpr std::array<ProcedureText, 39> kTexts{{
    {"", ""},
    {"Calcular determinante de orden n <= 20.",
     "{a!1!1, a!1!2, a!1!3, ..., a!1!n, a!2!1, a!2!2, a!2!3, ..., a!2!n, ..., a!n!n}"},
    {"Resolver sistema de ecuaciones lineales con n <= 20 incógnitas.",
     "{a!1!1, a!1!2, a!1!3, ..., a!1!n, b!1, a!2!1, a!2!2, a!2!3, ..., a!2!n, b!2, ..., a!n!n, "
     "b!n}"},
    {"", ""},
    {"", ""},
    {"Resolver la ecuación cuadrática Ax¡2 + Bx + C = 0.", "{A, B, C}"},
    {"Resolver la ecuación cuadrática A(Bx + C)¡2 + Dx + E = 0.", "{A, B, C, D, E}"},
    {"Resolver la ecuación cúbica Ax¡3 + Bx¡2 + Cx + D = 0.", "{A, B, C, D}"},
    {"Resolver la ecuación trigonométrica   A cos ;q + B sen ;q + C = 0.", "{A, B, C}"},
    {"Calcular las raíces \"r!i\" de f(x) = 0 en x #elem [x!1, x!2]   (Bisección).",
     "> f(x), {x!1, x!2}    (Checa f(r!i) para identificar discontinuidades)"},
    {"Calcular un triángulo dados 3 datos sobre lados L!i y/o ángulos A!i.",
     "{L!1, A!1, L!2, A!2, L!3, A!3}  (Escribe \"x\" por cada incógnita\")"},
    {"Calcular lados y ángulos de un triángulo dados sus vértices.",
     "{x!1, y!1, x!2, y!2, x!3, y!3}   (Coordenadas de los vértices)"},
    {"Calcular lados y ángulos de un polígono dados sus vértices.",
     "{x!1, y!1, x!2, y!2, x!3, y!3, ...}   (Coordenadas de los vértices)"},
    {"Evaluar la función f(x) en x!1, x!2, x!3, ...", "> f(x), {x!1, x!2, x!3, ...}"},
    {"Evaluar la función f(x,y) en (x!1, y!1), (x!2, y!2),...", "> f(x, y), {x!1, y!1, x!2, y!2,...}"},
    {"Evaluar la función f(x,y,z) en (x!1, y!1, z!1), (x!2, y!2, z!2),...",
     "> f(x, y, z), {x!1, y!1, z!1, x!2, y!2, z!2, ...}"},
    {"Evaluar f(x) desde x!1 en incrementos de ;Dx hasta x!2.", "> f(x), {x!1, x!2, ;Dx}"},
    {"Calcular la derivada de f(x) en x!1, x!2, x!3, ...", "> f(x), {x!1, x!2, x!3, ...}"},
    {"Calcular la segunda derivada de f(x) en el punto x.", "> f(x), {x [,;e]}    Lee la ayuda abajo."},
    {"Calcular la integral de f(x) en el intervalo [x!1, x!2].",
     "> f(x), {x!1, x!2}   (o bien {x!1, x!2, 1 [,;e]}    Lee la ayuda abajo)"},
    {"Graficar la función y = f(x) en [x!1, x!2].", "> f(x), {x!1, x!2}  (Coordenadas cartesianas)"},
    {"Graficar la función r = f(;q) en [;q!1, ;q!2].",
     "> f(;q), {;q!1, ;q!2 [,n]}   (Coordenadas polares. Usa \"x\" en lugar de \";q\")"},
    {"Graficar las ecuaciones paramétricas x = f(u), y = g(u).",
     "> f(u) & g(u)  (Usa \"x\" en vez de \"u\").   {u!1, u!2 [,n]}"},
    {"Obtener la recta de mínimos cuadrados y = ax + b.",
     "{x!1, y!1, x!2, y!2, x!3, y!3, ...}    (Regresión lineal X-Y)"},
    {"Ajustar por mínimos cuadrados a la curva  y = b e¡a¡x.",
     "{x!1, y!1, x!2, y!2, x!3, y!3, ...}    (Regresión lineal X-ln(Y))"},
    {"Ajustar por mínimos cuadrados a la curva  y = bx¡a.",
     "{x!1, y!1, x!2, y!2, x!3, y!3, ...}    (Regresión lineal ln(X)-ln(Y))"},
    {"Ajustar polinomio de orden n: A!nx¡n + A!n!-!1 x¡n¡-¡1 + ... + A!1 x + A!0.",
     "{x!1, y!1, x!2, y!2, x!3, y!3, ... [, n]}"},
    {"Calcular $V!1 + $V!2, $V!2 ;- $V!1, $V!1 #esca $V!2, $V!1 #cruz $V!2.", "{$V!1, $V!2}"},
    {"Calcular la suma vectorial de N vectores $F!1 + $F!2 + ... + $F!N.", "{$F!1, $F!2, $F!3, ..., $F!N}"},
    {"Calcular la suma de productos ;S;l!i $F!i.", "{;l!1, $F!1, ;l!2, $F!2, ;l!3, $F!3, ..., ;l!N, $F!N}"},
    {"Calcular la suma de momentos ;S$r!i #cruz $F!i  c/r al Origen  [o c/r a $r!A].",
     "{$r!1, $F!1, $r!2, $F!2, $r!3, $F!3,..., $r!N, $F!N [, $r!A]}   ($r's = vectores de "
     "posición)"},
    {"Rotar un vector $V, o los ejes de coordenadas, un ángulo dado ;q.",
     "{$V, ;q, \"v\"}  (rotar vector) o bien {$V, ;q, \"e\"}  (rotar ejes)"},
    {"Calcular ;l y ;m de la combinación lineal $V = ;l $a + ;m $b.", "{$a, $b, $V}"},
    {"Calcular $V dadas sus proyecciones C!a y C!b sobre $a y $b.",
     "{$a, C!a, $b, C!b}    (C!a y C!b en múltiplos de |$a| y |$b|, respectivamente)"},
    {"Resultante de un sistema de N fuerzas paralelas (una dimensión).",
     "{x!1, F!1!y , x!2, F!2!y , ..., x!N, F!N!y [, x!L]}"},
    {"Resultante de un sistema de fuerzas paralelas (dos dimensiones).", "{$r!1, F!1!z , $r!2, F!2!z , ... [$r!L]}"},
    {"Resultante de un sistema de N fuerzas coplanarias.", "{$r!1, $F!1, $r!2, $F!2, ..., $r!N, $F!N [, $r!L]}"},
    {"Resultante de una distribución lineal de fuerzas.", "> f(x),  {x!1, x!2}   Densidad lineal de fuerza y límites"},
    {"Resolver problema de equilibrio de una partícula.",
     "{$F!1, $F!2, $F!3,..., $F!N}     (Incógs: F!n, F!m   ó   F!n, ;q!m   ó   ;q!n, ;q!m)"},
}};

}  // namespace

ProcedureText ProcedureTextOf(int procedure) {
    if (procedure < 0 || procedure >= static_cast<int>(kTexts.size())) return {};
    return kTexts[static_cast<size_t>(procedure)];
}

void ShowArgs(plat::Picture& picArgs, int procedure) {
    // The program's own texts at fixed places: nothing here depends on input.
    picArgs.Cls();
    if (procedure == 0) return;
    const ProcedureText t = ProcedureTextOf(procedure);
    const std::string font = "Times New Roman";
    shell::PrintMarkupText(picArgs, std::string(t.title), 5, 35, font, 8);
    shell::PrintMarkupText(picArgs, std::string(t.argTemplate), 5, 20, font, 8);
}

}  // namespace calc
