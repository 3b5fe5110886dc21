#include "judge/CompilerAdvice.h"

#include <QRegularExpression>

namespace CompilerAdvice {

namespace {

struct Advice
{
    QRegularExpression pattern; // on the message, without "error:" or "warning:"
    QString text;               // %1, %2: the pattern's captures
    bool runFault = false;      // a warning of a fault that shows when the program runs
};

QString headerOf(const QString &function)
{
    static const QList<QPair<QString, QStringList>> headers = {
        {QStringLiteral("stdio.h"), {"printf", "scanf", "puts", "gets", "getchar", "putchar", "fopen", "fclose", "fprintf",
                                     "fscanf", "fgets", "fputs", "fgetc", "fputc", "sprintf", "sscanf", "feof", "rewind"}},
        {QStringLiteral("string.h"), {"strlen", "strcpy", "strncpy", "strcmp", "strncmp", "strcat", "strncat", "strchr",
                                      "strstr", "memset", "memcpy", "strrev", "strlwr", "strupr"}},
        {QStringLiteral("math.h"), {"sqrt", "pow", "fabs", "sin", "cos", "tan", "exp", "log", "log10", "floor", "ceil", "round"}},
        {QStringLiteral("stdlib.h"), {"malloc", "calloc", "realloc", "free", "exit", "abs", "rand", "srand", "atoi", "atof",
                                      "qsort", "system"}},
        {QStringLiteral("ctype.h"), {"isdigit", "isalpha", "isupper", "islower", "isspace", "toupper", "tolower", "isalnum"}},
        {QStringLiteral("time.h"), {"time", "clock"}},
    };
    for (const auto &[header, functions] : headers) {
        if (functions.contains(function))
            return header;
    }
    return {};
}

const QList<Advice> &table()
{
    auto re = [](const char *pattern) { return QRegularExpression(QString::fromUtf8(pattern)); };
    static const QList<Advice> advice = {
        {re("^expected .*';'"), QStringLiteral("缺少分号 ;：上一条语句没有以 ; 结束。分号常常是在上一行的末尾漏掉的。")},
        {re("^expected declaration or statement at end of input"),
         QStringLiteral("缺少 }：大括号 { } 没有配对，程序结尾前少写了 }。检查每个 { 是否都有对应的 }。")},
        {re("^expected '\\)'"), QStringLiteral("缺少 )：圆括号没有配对。")},
        {re("^expected '\\]'"), QStringLiteral("缺少 ]：方括号没有配对。")},
        {re("^expected '\\}'"), QStringLiteral("缺少 }：大括号没有配对。")},
        {re("^expected expression before"), QStringLiteral("这里少了表达式：检查是否多写或少写了括号、逗号、分号或运算符。")},
        {re("^expected identifier or '\\(' before"),
         QStringLiteral("这里不能出现这样的写法：常见原因是函数头后面多写了分号，或者大括号多了一个，使代码落到了函数外面。")},
        {re("^'(\\w+)' undeclared"), QStringLiteral("%1 没有定义：变量要先定义再使用；也检查一下名字的拼写和大小写。")},
        {re("^unknown type name '(\\w+)'"),
         QStringLiteral("不认识的类型名 %1：可能拼错了，或者少了头文件（FILE 要 #include <stdio.h>，bool 要 #include <stdbool.h>）。")},
        {re("^(?:incompatible )?implicit declaration of (?:built-in )?function '(\\w+)'"), QString(), true},
        {re("^format '%(\\w+)' expects argument of type '[^']*\\*', but argument \\d+ has type '[^'*]*'"),
         QStringLiteral("scanf 的参数前少了 &：scanf 要的是变量的地址，例如 scanf(\"%d\", &n);。没有 & 时程序运行就会出错。"), true},
        {re("^format '%(\\w+)' expects argument of type '([^']*)', but argument (\\d+) has type '([^']*)'"),
         QStringLiteral("格式说明与参数的类型不一致：%%%1 要的是 %2 类型，第 %3 个参数却是 %4。printf 中 int 用 %d，double 用 %f；"
                        "scanf 中 double 要用 %lf。"),
         true},
        {re("^too few arguments for format"), QStringLiteral("格式串中的 % 说明比后面的参数多：每个 %d、%f 都要有一个对应的参数。"), true},
        {re("^too many arguments for format"), QStringLiteral("后面的参数比格式串中的 % 说明多：检查格式串里是否漏写了 %d 等。"), true},
        {re("^suggest parentheses around assignment used as truth value"),
         QStringLiteral("在条件中用了 =（赋值）：判断相等应当用 ==，例如 if (a == 2)。"), true},
        {re("^control reaches end of non-void function"),
         QStringLiteral("函数可能没有返回值就结束了：有返回值的函数在每条路径上都要 return 一个值。"), true},
        {re("^'(\\w+)' (?:is|may be) used uninitialized"),
         QStringLiteral("变量 %1 还没有赋值就被使用了，它的值是不确定的：先给它赋初值（例如累加用的 sum = 0）。"), true},
        {re("^unused variable '(\\w+)'"), QStringLiteral("变量 %1 定义了却没有用到：不影响运行，但可能是名字写错了。")},
        {re("^array subscript .* (?:is )?(?:above|below|outside) array bounds"),
         QStringLiteral("数组下标越界：长度为 n 的数组，下标只能是 0 到 n-1。"), true},
        {re("^comparison between pointer and integer"),
         QStringLiteral("指针与整数比较：字符用单引号（'a'），字符串用双引号（\"a\"）；比较字符串要用 strcmp。"), true},
        {re("makes (?:integer from pointer|pointer from integer) without a cast"),
         QStringLiteral("指针和整数混用了：检查是否多写或少写了 * 或 &，或者把字符串赋给了 char 变量。"), true},
        {re("^assignment to expression with array type"), QStringLiteral("数组不能整体赋值：字符串要用 strcpy 复制，其他数组要逐个元素赋值。")},
        {re("^lvalue required as left operand of assignment"),
         QStringLiteral("= 的左边必须是变量：可能把 == 写成了 =，或者把赋值的两边写反了。")},
        {re("^stray '"), QStringLiteral("程序中有不能出现的字符，多半是中文标点（全角的 ；，（）“” 等）或全角空格：改用英文标点。")},
        {re("^missing terminating (?:\"|') character"), QStringLiteral("字符串或字符少了结束的引号。")},
        {re("^'else' without a previous 'if'"),
         QStringLiteral("else 前面没有对应的 if：检查 if (...) 后面是否多写了分号，或者 if 的几条语句没有用 { } 括起来。")},
        {re("^redefinition of '(\\w+)'|^redeclaration of '(\\w+)'"), QStringLiteral("名字 %1%2 被重复定义了：同一范围内一个名字只能定义一次。")},
        {re("^conflicting types for '(\\w+)'"), QStringLiteral("函数 %1 的原型与定义（或它第一次被使用时的样子）不一致。")},
        {re("^too (?:few|many) arguments to function '(\\w+)'"), QStringLiteral("调用函数 %1 时给的参数个数与它的定义不一致。")},
        {re("^undefined reference to [`'](\\w+)'"),
         QStringLiteral("找不到函数 %1 的定义：它只声明了、没有定义，或者名字拼错了（例如把 main 写成了 mian）。")},
        {re("^'return' with no value, in function returning non-void"), QStringLiteral("这个函数应当返回一个值，return 后面少了值。")},
        {re("^'return' with a value, in function returning void"), QStringLiteral("void 函数不能返回值：去掉 return 后面的值，或者改函数的类型。")},
        {re("^division by zero"), QStringLiteral("除数是 0：整数除以 0 时程序会异常终止。"), true},
        {re("^statement with no effect"), QStringLiteral("这条语句什么也不做：可能把 = 写成了 ==，或者少写了函数调用的括号。"), true},
        {re("^this '(\\w+)' clause does not guard"),
         QStringLiteral("缩进看起来在 %1 里面，其实只有第一条语句属于 %1：几条语句要用 { } 括起来。"), true},
        {re("^operation on '(\\w+)' may be undefined"),
         QStringLiteral("同一个表达式里既修改 %1 又使用它（如 i = i++），结果是不确定的：分成两条语句来写。"), true},
        {re("^invalid operands to binary (\\S+)"), QStringLiteral("运算符 %1 两边的类型不能这样运算（例如两个字符串不能相加，要用 strcat）。")},
        {re("No such file or directory"), QStringLiteral("找不到要包含的头文件：检查 #include 中的文件名是否拼写正确（如 stdio.h）。")},
    };
    return advice;
}

const Advice *find(const QString &message, QRegularExpressionMatch &match)
{
    for (const Advice &a : table()) {
        match = a.pattern.match(message);
        if (match.hasMatch())
            return &a;
    }
    return nullptr;
}

}

QString explain(const CompilerMessage &message)
{
    QRegularExpressionMatch match;
    const Advice *a = find(message.message, match);
    if (!a)
        return {};
    if (a->text.isEmpty()) { // a function used without its declaration
        const QString function = match.captured(1);
        const QString header = headerOf(function);
        return header.isEmpty()
                   ? QStringLiteral("函数 %1 在使用前没有声明：把它的定义写在 main 前面，或者在前面写上它的原型；也检查名字的拼写。").arg(function)
                   : QStringLiteral("用了函数 %1，却没有包含它的头文件：在程序开头加上 #include <%2>。").arg(function, header);
    }
    QString text = a->text;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i)
        text.replace(QStringLiteral("%%1").arg(i), match.captured(i));
    return text.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

bool mayExplainRun(const CompilerMessage &message)
{
    QRegularExpressionMatch match;
    const Advice *a = find(message.message, match);
    return !message.error && a && a->runFault;
}

}
